#pragma once
#include <QString>

// What the update check tells the operator, as the operator reads it.
namespace updateTexts {

const QString ControllerNewer =
    QStringLiteral("A newer version of the Controller is available. Please visit the support site.");
const QString ControllerLatest = QStringLiteral("You have the latest Controller Application.");
const QString RobotNewer = QStringLiteral(
    "A newer version of the Robot Application is available. Refer to the user guide for upgrading the Robot "
    "Application.");
const QString RobotLatest = QStringLiteral("You have the latest Robot Application");
const QString LogIn = QStringLiteral("Login to QuorvelBot to check for Robot Application updates.");

} // namespace updateTexts
