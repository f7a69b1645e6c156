#include "settings/SettingsFile.h"

#include "link/LinkError.h"
#include "link/Numbers.h"
#include "platform/AnsiText.h"

#include <QStringList>

namespace {

void setFlag(bool &field, const QString &value) { field = value == u"TRUE"; }

struct Range {
    int lowest;
    int highest;
};

// What each number can mean; 0, the value of an absent key, is in every range.
constexpr Range SpeedToMute{0, 100};   // a speed in percent, as the user's maximum speed
constexpr Range PadSensitivity{0, 7};  // the sensitivity slider's steps
constexpr Range DriveTimeOut{0, 1000}; // milliseconds; the dialog offers 500 to 1000
constexpr Range AccelSetting{0, 20};   // the dialog offers 5 to 20; sent as two digits

// A value that is not a decimal number, or not one the option can take,
// leaves the option as it was: a mistyped line can neither zero the drive
// time-out nor send the robot a number it was never meant to get.
void setNumber(int &field, const QString &value, Range range)
{
    try {
        const int number = readDecimal(value);
        if (number >= range.lowest && number <= range.highest)
            field = number;
    } catch (const LinkError &) {
    }
}

void setOption(ControllerSettings &s, const QString &key, const QString &value)
{
    if (key == u"Logging")
        setFlag(s.Logging, value);
    else if (key == u"Alwaysontop")
        setFlag(s.Alwaysontop, value);
    else if (key == u"speedToMute")
        setNumber(s.speedToMute, value, SpeedToMute);
    else if (key == u"padSensitivity")
        setNumber(s.padSensitivity, value, PadSensitivity);
    else if (key == u"pointNDrive")
        setFlag(s.pointNDrive, value);
    else if (key == u"autoAnswer")
        setFlag(s.autoAnswer, value);
    else if (key == u"checkForUpdates")
        setFlag(s.checkForUpdates, value);
    else if (key == u"autoCenter")
        setFlag(s.autoCenter, value);
    else if (key == u"driveTimeOut")
        setNumber(s.driveTimeOut, value, DriveTimeOut);
    else if (key == u"accelSetting")
        setNumber(s.accelSetting, value, AccelSetting);
}

QString flagText(bool value) { return value ? QStringLiteral("TRUE") : QStringLiteral("FALSE"); }

} // namespace

SettingsFileContents readSettingsFile(const QByteArray &bytes, const ControllerSettings &previous,
                                      const QString &previousLoggingText)
{
    SettingsFileContents contents{previous, previousLoggingText, {}};
    bool firstEntry = true;
    int lineNumber = 0;
    for (const QString &line : textFileLines(bytes)) {
        if (line.size() < 2)
            continue;
        ++lineNumber;
        if (line.startsWith(u'#'))
            continue;
        const qsizetype colon = line.indexOf(u':');
        if (colon < 0) {
            contents.badLines.append(lineNumber);
            continue;
        }
        const QString value = line.mid(colon + 1);
        if (firstEntry)
            contents.loggingText = value;
        firstEntry = false;
        // However many entries there are, each sets its option; of their
        // texts only the first one's is ever written back.
        setOption(contents.settings, line.left(colon), value);
    }
    return contents;
}

QByteArray writeSettingsFile(const ControllerSettings &s, const QString &loggingText)
{
    const QStringList lines{
        QStringLiteral("Logging:") + loggingText,
        QStringLiteral("Alwaysontop:") + flagText(s.Alwaysontop),
        QStringLiteral("speedToMute:") + QString::number(s.speedToMute),
        QStringLiteral("padSensitivity:") + QString::number(s.padSensitivity),
        QStringLiteral("pointNDrive:") + flagText(s.pointNDrive),
        QStringLiteral("autoAnswer:") + flagText(s.autoAnswer),
        QStringLiteral("checkForUpdates:") + flagText(s.checkForUpdates),
        QStringLiteral("autoCenter:") + flagText(s.autoCenter),
        QStringLiteral("driveTimeOut:") + QString::number(s.driveTimeOut),
        QStringLiteral("accelSetting:") + QString::number(s.accelSetting),
    };
    return toAnsi(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}
