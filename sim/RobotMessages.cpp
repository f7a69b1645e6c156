#include "RobotMessages.h"

#include <algorithm>

namespace {

QString reading(int value) { return QString::number(std::clamp(value, 0, 94) + 5).rightJustified(2, u'0'); }

} // namespace

QString loginAnswer(bool admin, int maxSpeed, const RobotFacts &facts)
{
    return QStringLiteral("AUTH:%1:%2:%3:%4:%5:%6")
        .arg(admin ? 1 : 0)
        .arg(maxSpeed)
        .arg(admin ? QStringLiteral("TRUE") : QStringLiteral("FALSE"), facts.model,
             QString::number(facts.accessories, 16).toUpper().rightJustified(2, u'0'), facts.generation);
}

QStringList factAnnouncements(const RobotFacts &facts)
{
    return {QStringLiteral("boardSerialNumber:") + facts.boardSerialNumber,
            QStringLiteral("robotSerialNumber:") + facts.robotSerialNumber,
            QStringLiteral("wifiNo:") + QString::number(facts.wirelessRadios()),
            QStringLiteral("headType:") + facts.headType,
            QStringLiteral("laserPresent:") + (facts.laserFitted ? u'1' : u'0')};
}

QString proximityReport(const Proximity &proximity)
{
    return u'K' + reading(proximity.cliff) + reading(proximity.right) + reading(proximity.ahead)
           + reading(proximity.left);
}

QString batteryReport(const Battery &battery)
{
    if (battery.onCharger())
        return battery.full() ? QStringLiteral("be") : QStringLiteral("bc") + QString::number(battery.percent());
    return QStringLiteral("bd12,") + QString::number(battery.hoursLeft(), 'f', 1) + u','
           + QString::number(battery.percent());
}

QString wirelessReport(const QString &network, int signalPercent)
{
    return u'W' + network + u':' + QString::number(signalPercent);
}

QString networkScan(const QVector<WirelessNetwork> &networks)
{
    QString scan = QStringLiteral("E");
    for (const WirelessNetwork &network : networks)
        scan += u':' + network.name + u',' + QString::number(network.quality);
    return scan;
}

QString userList(const QString &address, const QStringList &entries)
{
    return u'#' + address + u'%' + entries.join(u'%');
}
