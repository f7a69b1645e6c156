// What the robot reports about itself and its state while a session runs.
// The link keeps what the reports say; the window shows it.
#include "link/RobotLink.h"

#include "link/Fields.h"
#include "link/HeadDevices.h"
#include "link/LinkError.h"
#include "link/MessageKind.h"
#include "link/Numbers.h"
#include "link/ReportDecoding.h"

void RobotLink::robotFact(MessageKind kind, const QString &text)
{
    const QString value = textAfterColon(text);
    switch (kind) {
    case MessageKind::BoardSerialNumber:
        linkState.boardSerialNumber = value;
        emit robotFactsChanged();
        break;
    case MessageKind::RobotSerialNumber:
        linkState.robotSerialNumber = value;
        emit robotFactsChanged();
        break;
    case MessageKind::WifiRadioCount:
        linkState.wifiRadioCount = readDecimal(value);
        break;
    case MessageKind::HeadType:
        linkState.headType = headDisplayName(value);
        emit robotFactsChanged();
        break;
    default:
        break;
    }
}

void RobotLink::wifiSwitchAcknowledged()
{
    statusBarDisplay(QStringLiteral("QuorvelBot now connected to ") + linkState.requestedNetwork, true);
    linkState.wifiSwitchPending = false;
}

void RobotLink::driveAlert(const QString &text)
{
    const QString code = text.mid(1, 2);
    if (code == QLatin1String("D0"))
        statusBarDisplay(QStringLiteral("Destination Reached"), true);
    else if (code == QLatin1String("D1"))
        statusBarDisplay(QStringLiteral("Obstacle Detected"), true);
    else if (code == QLatin1String("D2"))
        statusBarDisplay(QStringLiteral("Over current condition!!!"), true);
    else if (code == QLatin1String("D3"))
        statusBarDisplay(QStringLiteral("Tip limit alert"), true);
}

void RobotLink::proximityReport(const QString &text)
{
    LinkState &s = linkState;
    for (int sensor = 0; sensor < int(s.sensorReadings.size()); ++sensor)
        s.sensorReadings[size_t(sensor)] = proximityReading(text, sensor);
    if (cliffAhead(s.sensorReadings[0]))
        statusBarDisplay(QStringLiteral("Cliff ahead, cannot go forward"), true);
    emit proximityReported();
}

void RobotLink::batteryReport(const QString &text)
{
    BatteryReport report;
    try {
        report = decodeBatteryReport(text, linkState.robotModel.startsWith(u'T'));
    } catch (const LinkError &) {
        emit batteryReportUnreadable();
        throw;
    }
    if (report.kind == BatteryKind::Charging || report.kind == BatteryKind::Full)
        linkState.remoteChargingOn = false; // the head charges no more from a robot that charges itself
    emit batteryReported(report);
    if (report.percent)
        linkState.batteryPercent = *report.percent;
    linkState.batteryState = report.state;
    if (report.lowForRemoteCharging && linkState.remoteChargingOn)
        chargeToggle(); // a low robot battery stops charging the head
}

void RobotLink::wirelessReport(const QString &text)
{
    if (linkState.wifiSwitchPending)
        return; // a network switch is under way
    const WirelessReport report = decodeWirelessReport(text);
    if (report.ethernet) {
        emit wirelessReported(report, NoWirelessPicture);
        return;
    }
    linkState.currentNetwork = report.network;
    try {
        emit wirelessReported(report, wifiPicture(report.strength()));
    } catch (const LinkError &) {
        emit wirelessReported(report, NoWirelessPicture); // a strength that does not read shows none
        throw;
    }
}

void RobotLink::networkScan(const QString &text)
{
    linkState.networkScanText = QString(text).replace(u' ', u'~');
    statusLine.setText(QString());
    emit networksReported();
}

void RobotLink::laserPresentReport(const QString &text)
{
    linkState.laserPresent = textAfterColon(text) == QLatin1String("1");
    emit laserPresenceChanged(linkState.laserPresent);
}
