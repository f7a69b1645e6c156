// The cloud service path: a companion script under the Python interpreter
// relays between the maker's cloud service and the controller, which sends
// to it on port 8817 (one connection per message) and hears from it on its
// own TCP server on port 6000.
#include "link/RobotLink.h"

#include "paths/CompanionLineServer.h"
#include "platform/Pause.h"
#include "platform/Shell.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTimer>

namespace {
constexpr int CloudSessionIds = 1000000;
constexpr int StopperPauseMs = 1000;
// How long the companion may take to reach the robot; its "CONNSUC" then
// gives the login the watchdog's own time.
constexpr int CompanionReachMs = 20000;
} // namespace

QString RobotLink::companionStopper()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("kill8817"));
}

void RobotLink::loginUsingQCS(const QString &botName)
{
    avReminder();
    if (!IdTCPServer1->isListening() && !IdTCPServer1->listen()) {
        showMessage(QStringLiteral("Could not open necessary port for communication"));
        emit signInReady();
        return;
    }
    // Without a companion the attempt could only wait: say why and give the
    // sign-in back.
    const auto cannotStart = [this](const QString &text) {
        showMessage(text);
        statusBarDisplay(QString(), false);
        restart();
    };
    // a sign-in before the start-up step has looked finds the interpreter here
    if (linkState.pythonPath.isEmpty())
        linkState.pythonPath = platform.shell->pythonInterpreter();
    if (linkState.pythonPath.isEmpty()) {
        cannotStart(QStringLiteral("No Python interpreter was found, so QCS cannot be used.\r\n"
                                   "Install Python 3 and sign in again"));
        return;
    }
    linkState.activePath = ControlPath::CloudService;
    linkState.loginRequested = true;
    linkState.cloudSessionId = int(QRandomGenerator::global()->bounded(CloudSessionIds));
    statusBarDisplay(QStringLiteral("Connecting..."), false);

    // the stopper ends a companion still holding port 8817
    platform.shell->open(companionStopper(), {});
    platform.pause->pause(StopperPauseMs);
    const QDir data(QDir(applicationFolder).filePath(QStringLiteral("Data")));
    const QString companion = data.filePath(QStringLiteral("qcloud.py"));
    if (!QFileInfo(companion).isFile() ||
        !platform.shell->open(linkState.pythonPath, {companion, botName}, data.path()).isValid()) {
        cannotStart(QStringLiteral("Could not start the QCS companion \"%1\" with \"%2\"")
                        .arg(QDir::toNativeSeparators(companion), linkState.pythonPath));
        return;
    }
    // a companion that ends or stays silent before "CONNSUC" ends the attempt here
    Timer3->setInterval(CompanionReachMs);
    Timer3->start();
}

void RobotLink::cloudCompanionLine(const QString &line)
{
    try {
        processIncomingData(line);
    } catch (const std::exception &) {
        // a line the dispatcher could not read is dropped here
    }
}
