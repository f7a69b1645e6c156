#include "ControlCommands.h"

#include "RobotProtocol.h"
#include "SimRobot.h"

#include <QtMath>

namespace {

const QString noSession = QStringLiteral("error: no controller signed in");

} // namespace

QString ControlCommands::execute(const QString &line)
{
    const QString command = line.section(u' ', 0, 0);
    const QString argument = line.section(u' ', 1);
    if (command == u"send" && !argument.isEmpty())
        return protocol.sendScripted(argument) ? QStringLiteral("ok") : QStringLiteral("error: no connection");
    if (command == u"say-z" && argument.isEmpty())
        return protocol.sayGoodbye() ? QStringLiteral("ok") : noSession;
    if (command == u"scan" && argument.isEmpty())
        return protocol.sendNetworkScan() ? QStringLiteral("ok") : noSession;
    if (command == u"battery") {
        bool ok = false;
        const int percent = argument.toInt(&ok);
        if (!ok || percent < 0 || percent > 100)
            return QStringLiteral("error: battery takes a percentage from 0 to 100");
        robot.battery().setPercent(percent);
        return QStringLiteral("ok");
    }
    if (command == u"charger" && (argument == u"on" || argument == u"off")) {
        robot.setOnCharger(argument == u"on");
        return QStringLiteral("ok");
    }
    if (command == u"pose" && argument.isEmpty()) {
        const Pose &pose = robot.body().pose();
        return QStringLiteral("pose %1 %2 %3")
            .arg(pose.x, 0, 'f', 3)
            .arg(pose.y, 0, 'f', 3)
            .arg(qRadiansToDegrees(pose.heading), 0, 'f', 1);
    }
    if (command == u"quit" && argument.isEmpty()) {
        emit quitRequested();
        return QStringLiteral("ok");
    }
    return QStringLiteral("error: unknown command: ") + line;
}
