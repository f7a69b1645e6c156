// Decodes arbitrary text as each of the robot's reports and splits it into
// fields. A report whose number does not read ends with a LinkError, as its
// handler expects; anything else it gives is within what the indicators can
// show, and an unquoted field never holds its separator or a blank.
#include "FuzzInput.h"
#include "link/Fields.h"
#include "link/LinkError.h"
#include "link/ReportDecoding.h"

namespace {

void decodeBattery(const QString &message)
{
    for (const bool tableTop : {false, true}) {
        try {
            const BatteryReport report = decodeBatteryReport(message, tableTop);
            require(report.levelPicture >= -1 && report.levelPicture <= 6);
            require((report.levelPicture >= 0) ==
                    (report.kind != BatteryKind::Absent && report.kind != BatteryKind::Unknown));
        } catch (const LinkError &) {
        }
    }
}

void decodeWireless(const QString &message)
{
    const WirelessReport report = decodeWirelessReport(message);
    try {
        wifiPicture(report.strength());
    } catch (const LinkError &) {
    }
}

void decodeProximity(const QString &message)
{
    BarColour colour = BarColour::White;
    for (int sensor = 0; sensor < 4; ++sensor) {
        try {
            const int reading = proximityReading(message, sensor);
            cliffAhead(reading);
            const ProximityBar bar = proximityBar(reading, colour);
            require(bar.height >= 0 && bar.height <= 45 && bar.reading <= 60);
            colour = bar.colour;
        } catch (const LinkError &) {
        }
    }
}

void split(const QString &text, QChar separator)
{
    const Fields fields = splitFields(text, separator);
    if (text.contains(u'"'))
        return;
    for (const QString &field : fields.all())
        for (const QChar ch : field)
            require(ch != separator && (ch.unicode() == 0 || ch.unicode() > 32));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString message = inputText(data, size);
    decodeBattery(message);
    decodeWireless(message);
    decodeProximity(message);
    textAfterColon(message);
    for (const QChar separator : {u',', u':', u'%'})
        split(message, separator);
    return 0;
}
