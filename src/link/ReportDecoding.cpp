#include "link/ReportDecoding.h"

#include "link/Fields.h"
#include "link/Numbers.h"

#include <algorithm>

int batteryPicture(int percent)
{
    if (percent >= 85)
        return 6;
    if (percent >= 70)
        return 5;
    if (percent >= 55)
        return 4;
    if (percent >= 40)
        return 3;
    if (percent >= 25)
        return 2;
    if (percent >= 10)
        return 1;
    return 0;
}

int wifiPicture(int strength)
{
    return std::clamp(strength / 20, 0, 4);
}

namespace {

BatteryReport onBattery(const QString &message, bool tableTop)
{
    const Fields fields = splitFields(message.mid(2), u',');
    const QString &percentText = fields.at(2);
    const int percent = readDecimal(percentText);
    BatteryReport report;
    report.kind = BatteryKind::OnBattery;
    report.levelPicture = batteryPicture(percent);
    report.state = 1;
    if (percent < 1) {
        report.tooltip = QStringLiteral("0 hours (0%) remaining");
        report.percent = 0;
    } else {
        report.tooltip = tableTop ? percentText + QStringLiteral("% remaining")
                                  : QStringLiteral("%1 hours (%2%) remaining").arg(fields.at(1), percentText);
        report.percent = percent;
        report.lowForRemoteCharging = percent <= 25;
    }
    return report;
}

BatteryReport charging(const QString &message)
{
    const int reported = readDecimal(message.mid(2));
    const int percent = std::max(reported, 0);
    BatteryReport report;
    report.kind = BatteryKind::Charging;
    report.levelPicture = batteryPicture(reported);
    report.chargingOverlay = true;
    report.tooltip = QStringLiteral("Charging at %1 %").arg(percent);
    report.percent = percent;
    report.state = 2;
    return report;
}

} // namespace

BatteryReport decodeBatteryReport(const QString &message, bool tableTop)
{
    BatteryReport report;
    const QChar kind = message.size() > 1 ? message.at(1) : QChar();
    switch (kind.unicode()) {
    case u'd':
        return onBattery(message, tableTop);
    case u'c':
        return charging(message);
    case u'e':
        report.kind = BatteryKind::Full;
        report.levelPicture = 6;
        report.chargingOverlay = true;
        report.tooltip = QStringLiteral("Battery fully charged");
        report.percent = 100;
        report.state = 0;
        return report;
    case u'x':
        report.kind = BatteryKind::Absent;
        report.tooltip = QStringLiteral("No Battery Present");
        report.percent = -1;
        return report;
    default:
        return report;
    }
}

int WirelessReport::strength() const
{
    // Blanks are the characters up to the space, as between message fields.
    qsizetype first = 0;
    qsizetype end = strengthText.size();
    while (first < end && strengthText.at(first).unicode() <= u' ')
        ++first;
    while (end > first && strengthText.at(end - 1).unicode() <= u' ')
        --end;
    return readDecimal(strengthText.mid(first, end - first));
}

WirelessReport decodeWirelessReport(const QString &message)
{
    WirelessReport report;
    if (message.startsWith(QLatin1String("W~eth~"))) {
        report.ethernet = true;
        report.tooltip = QStringLiteral("Connected to Ethernet");
        return report;
    }
    const qsizetype colon = message.indexOf(u':');
    report.network = colon < 0 ? QString() : message.mid(1, colon - 1);
    report.strengthText = textAfterColon(message);
    report.tooltip = QStringLiteral("Connected to %1 (%2%)").arg(report.network, report.strengthText);
    return report;
}

int proximityReading(const QString &message, int sensor)
{
    const QString slice = message.mid(1 + 2 * sensor, 2);
    return slice.isEmpty() ? 0 : readDecimal(slice) - 5;
}

bool cliffAhead(int firstReading)
{
    return firstReading > 50;
}

ProximityBar proximityBar(int reading, BarColour colour)
{
    if (reading < 0)
        return {0, colour, reading};
    const int v = std::min(reading, 60);
    if (v < 30)
        colour = BarColour::Red;
    else if (v > 30)
        colour = BarColour::White;
    return {roundToEven((60 - v) * 0.75), colour, v};
}
