#include "ControlChannel.h"
#include "ControlCommands.h"
#include "NameServer.h"
#include "RobotProtocol.h"
#include "RobotServer.h"
#include "RoomView.h"
#include "SimCommandLine.h"
#include "SimLog.h"
#include "SimRobot.h"
#include "platform/Clock.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <memory>

namespace {

constexpr int stepEveryMs = 20;
constexpr int longestStepMs = 500; // a stalled process does not leap

// The address a local controller reaches the robot at.
QString reachableAddress(const QHostAddress &listen)
{
    const bool any = listen == QHostAddress::Any || listen == QHostAddress::AnyIPv4 || listen == QHostAddress::AnyIPv6;
    return any ? QStringLiteral("127.0.0.1") : listen.toString();
}

} // namespace

int main(int argc, char **argv)
{
    // The options are read before the application object exists, so help and
    // mistakes are shown without a display, and a headless run never needs one.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    SimCommandLine commandLine;
    if (!commandLine.read(arguments)) {
        QTextStream(commandLine.helpAsked() ? stdout : stderr) << commandLine.message() << Qt::endl;
        return commandLine.helpAsked() ? 0 : 2;
    }
    const bool headless = commandLine.settings().headless;
    const std::unique_ptr<QCoreApplication> app =
        headless ? std::make_unique<QCoreApplication>(argc, argv) : std::make_unique<QApplication>(argc, argv);
    QTextStream out(stdout);
    QTextStream errors(stderr);
    const SimSettings &settings = commandLine.settings();

    SystemClock clock;
    SimLog log(clock, out);
    SimRobot robot(settings.facts);
    const LoginForm loginForm = *loginFormOfVersion(settings.version);
    RobotProtocol protocol(robot, UserAccounts(settings.users), {loginForm, settings.maxSpeed});
    QObject::connect(&protocol, &RobotProtocol::logLine, [&log](const QString &line) { log.write(line); });

    RobotServer server(protocol);
    if (!server.listen(settings.listenAddress)) {
        errors << "Cannot listen on " << settings.listenAddress.toString() << " port " << RobotServer::robotPort << ": "
               << server.errorString() << Qt::endl;
        return 1;
    }
    log.write(QStringLiteral("robot %1 (model %2, software %3, logins %4) listening on ws://%5:%6/")
                  .arg(settings.baseName, settings.facts.model, settings.version,
                       loginForm == LoginForm::Plain ? QStringLiteral("in clear") : QStringLiteral("as MD5 digests"),
                       settings.listenAddress.toString())
                  .arg(RobotServer::robotPort));

    std::unique_ptr<NameServer> nameServer;
    if (settings.nameServerPort) {
        nameServer = std::make_unique<NameServer>(settings.baseName, reachableAddress(settings.listenAddress),
                                                  settings.version);
        if (!nameServer->listen(settings.nameServerPort)) {
            errors << "Cannot start the name server: " << nameServer->errorString() << Qt::endl;
            return 1;
        }
        log.write(QStringLiteral("name server on http://127.0.0.1:%1/orbeo/authEndpoint.php").arg(nameServer->port()));
    }

    ControlCommands commands(protocol, robot);
    QObject::connect(&commands, &ControlCommands::quitRequested, app.get(), &QCoreApplication::quit,
                     Qt::QueuedConnection);
    ControlChannel control([&commands](const QString &line) { return commands.execute(line); });
    control.readStandardInput(out);
    if (settings.controlPort) {
        if (!control.listen(settings.controlPort)) {
            errors << "Cannot open the control port: " << control.errorString() << Qt::endl;
            return 1;
        }
        log.write(QStringLiteral("control port 127.0.0.1:%1").arg(control.port()));
    }

    // The simulation runs in real time, moved on by the time that really passed.
    QElapsedTimer sinceStep;
    sinceStep.start();
    QTimer stepper;
    QObject::connect(&stepper, &QTimer::timeout, [&] {
        protocol.advance(int(std::min<qint64>(sinceStep.restart(), longestStepMs)));
    });
    stepper.start(stepEveryMs);

    std::unique_ptr<RoomView> view;
    if (!headless) {
        view = std::make_unique<RoomView>(robot, protocol);
        view->show();
    }
    return app->exec();
}
