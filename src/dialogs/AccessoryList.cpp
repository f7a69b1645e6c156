#include "dialogs/AccessoryList.h"

namespace {

QString presence(bool present)
{
    return present ? QStringLiteral("  - Present") : QStringLiteral("  - Absent");
}

} // namespace

QString accessoryListText(const RobotAccessories &robot)
{
    if (!robot.inSession)
        return QStringLiteral("Log in to a QuorvelBot to get an accessory List");
    const QString crlf = QStringLiteral("\r\n");
    if (robot.robotModel.startsWith(u'T'))
        return QStringLiteral("1. Laser Pointer") + presence(robot.laserPresent) + crlf + QStringLiteral("2. Battery") +
               presence(robot.batteryState >= 0) + crlf + QStringLiteral("3. Wifi Radio") +
               presence(robot.wifiRadioCount > 0) + crlf;

    const bool firstGeneration = robot.robotGeneration == u'1';
    QString text;
    if (!firstGeneration)
        text = QStringLiteral("1. Motorized Pan") + presence(robot.panPresent);
    else if (robot.pan360)
        text = QStringLiteral("1. Motorized Pan 360\u00b0 - Present");
    else
        text = QStringLiteral("1. Motorized Pan 180\u00b0 ") + presence(robot.panPresent);
    text += crlf + QStringLiteral("2. Laser Pointer") + presence(robot.laserPresent) + crlf;
    text += QStringLiteral("3. Multiple Wifi Radio");
    if (robot.multiRadioPresent || robot.wifiRadioCount > 2) {
        const QString count = QString::number(robot.wifiRadioCount);
        text +=
            presence(true) + crlf +
            (robot.wifiRadioCount >= 2 ? QStringLiteral("    - ") + count + QStringLiteral(" radio Operational")
                                       : QStringLiteral("    Only ") + count + QStringLiteral(" radio operational"));
    } else {
        text += presence(false);
    }
    text += crlf;
    if (firstGeneration)
        text += QStringLiteral("4. LED Headlights ") +
                (robot.pan360 ? QStringLiteral(" - Present") : QStringLiteral(" - Absent")) + crlf;
    return text;
}
