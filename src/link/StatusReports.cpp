// What the robot reports about itself and its state while a session runs.
#include "ui/TForm2.h"

#include "link/Fields.h"
#include "link/HeadDevices.h"
#include "link/MessageKind.h"
#include "link/Numbers.h"
#include "link/ReportDecoding.h"
#include "ui/ButtonLook.h"
#include "ui/Picture.h"

#include <QFrame>
#include <QLabel>
#include <QToolButton>

void TForm2::robotFact(MessageKind kind, const QString &text)
{
    const QString value = textAfterColon(text);
    switch (kind) {
    case MessageKind::BoardSerialNumber:
        linkState.boardSerialNumber = value;
        updateAboutPage();
        break;
    case MessageKind::RobotSerialNumber:
        linkState.robotSerialNumber = value;
        updateAboutPage();
        break;
    case MessageKind::WifiRadioCount:
        linkState.wifiRadioCount = readDecimal(value);
        break;
    case MessageKind::HeadType:
        linkState.headType = headDisplayName(value);
        updateAboutPage();
        break;
    default:
        break;
    }
}

void TForm2::wifiSwitchAcknowledged()
{
    statusBarDisplay(QStringLiteral("QuorvelBot now connected to ") + linkState.requestedNetwork, true);
    linkState.wifiSwitchPending = false;
}

void TForm2::driveAlert(const QString &text)
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

void TForm2::proximityReport(const QString &text)
{
    LinkState &s = linkState;
    for (int sensor = 0; sensor < int(s.sensorReadings.size()); ++sensor)
        s.sensorReadings[size_t(sensor)] = proximityReading(text, sensor);
    if (cliffAhead(s.sensorReadings[0]))
        statusBarDisplay(QStringLiteral("Cliff ahead, cannot go forward"), true);
    // the left bar shows the fourth reading, the right bar the second
    showProximity(shLeft, 3, 5);
    showProximity(shRight, 1, 115);
}

void TForm2::showProximity(QFrame *bar, int sensor, int left)
{
    int &reading = linkState.sensorReadings[size_t(sensor)];
    const bool red = bar->palette().color(QPalette::Window) == QColor(Qt::red);
    const ProximityBar shown = proximityBar(reading, red ? BarColour::Red : BarColour::White);
    reading = shown.reading;
    if (reading >= 0) {
        QPalette palette = bar->palette();
        palette.setColor(QPalette::Window, shown.colour == BarColour::Red ? Qt::red : Qt::white);
        bar->setPalette(palette);
        bar->move(left, bar->y());
    }
    bar->resize(bar->width(), shown.height);
}

void TForm2::batteryReport(const QString &text)
{
    Panel2->show();
    for (Picture *picture : batt)
        picture->hide();
    battCharging->hide();
    battNotPresent->hide();

    const BatteryReport report = decodeBatteryReport(text, linkState.robotModel.startsWith(u'T'));
    if (report.levelPicture >= 0)
        batt[size_t(report.levelPicture)]->show();
    battCharging->setVisible(report.chargingOverlay);
    switch (report.kind) {
    case BatteryKind::OnBattery:
        chargingButton->setEnabled(true);
        break;
    case BatteryKind::Charging:
    case BatteryKind::Full:
        linkState.remoteChargingOn = false;
        setButtonLook(chargingButton, Qt::black, false);
        chargingButton->setEnabled(false);
        break;
    case BatteryKind::Absent:
        battNotPresent->show();
        chargingButton->setEnabled(false);
        break;
    case BatteryKind::Unknown:
        Panel2->hide();
        break;
    }
    Panel2->setToolTip(report.tooltip.isEmpty() ? Panel2->toolTip() : report.tooltip);
    if (report.percent)
        linkState.batteryPercent = *report.percent;
    linkState.batteryState = report.state;
    if (report.lowForRemoteCharging && linkState.remoteChargingOn)
        chargeToggle(); // a low robot battery stops charging the head
}

void TForm2::wirelessReport(const QString &text)
{
    if (linkState.wifiSwitchPending)
        return; // a network switch is under way
    wifipanel->show();
    for (Picture *picture : wifi)
        picture->hide();
    wifiEth->hide();
    const WirelessReport report = decodeWirelessReport(text);
    wifipanel->setToolTip(report.tooltip);
    if (report.ethernet) {
        wifiEth->show();
        return;
    }
    linkState.currentNetwork = report.network;
    wifi[size_t(wifiPicture(report.strength()))]->show();
}

void TForm2::networkScan(const QString &text)
{
    linkState.networkScanText = QString(text).replace(u' ', u'~');
    statusBarLabel->clear();
}

void TForm2::laserPresentReport(const QString &text)
{
    linkState.laserPresent = textAfterColon(text) == QLatin1String("1");
    laserButton->setEnabled(linkState.laserPresent);
}
