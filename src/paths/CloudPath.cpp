// The cloud service path: a companion script under the Python interpreter
// relays between the maker's cloud service and the controller, which sends
// to it on port 8817 (one connection per message) and hears from it on its
// own TCP server on port 6000.
#include "ui/TForm2.h"

#include "paths/CompanionLineServer.h"
#include "platform/Pause.h"
#include "platform/Shell.h"

#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>

namespace {
constexpr int CloudSessionIds = 1000000;
constexpr int StopperPauseMs = 1000;
constexpr int CloudWatchdogMs = 10000;
} // namespace

QString TForm2::companionStopper()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("kill8817"));
}

void TForm2::loginUsingQCS(const QString &botName)
{
    avReminder();
    if (!IdTCPServer1->isListening() && !IdTCPServer1->listen()) {
        showMessage(QStringLiteral("Could not open necessary port for communication"));
        SignIn->setEnabled(true);
        return;
    }
    linkState.pathCloud = linkState.loginRequested = true;
    linkState.pathWebRtc = false;
    linkState.cloudSessionId = int(QRandomGenerator::global()->bounded(CloudSessionIds));
    statusBarDisplay(QStringLiteral("Connecting..."), false);

    // the stopper ends a companion still holding port 8817
    platform.shell->open(companionStopper(), QString());
    platform.pause->pause(StopperPauseMs);
    const QDir data(QDir(applicationFolder).filePath(QStringLiteral("Data")));
    platform.shell->open(linkState.pythonPath,
                         QStringLiteral("\"%1\" \"%2\"").arg(data.filePath(QStringLiteral("qcloud.py")), botName),
                         data.path());
    // started by the companion's "CONNSUC"
    Timer3->setInterval(CloudWatchdogMs);
}

void TForm2::cloudCompanionLine(const QString &line)
{
    try {
        processIncomingData(line);
    } catch (const std::exception &) {
        // a line the dispatcher could not read is dropped here
    }
}
