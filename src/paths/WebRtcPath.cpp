// The WebRTC path: a companion program sets up a data channel to the robot
// and talks to the controller over the local WebSocket server on port 9002.
#include "link/RobotLink.h"

#include "contacts/RobotList.h"
#include "link/LinkError.h"
#include "paths/WebRtcServerTransport.h"
#include "platform/Pause.h"
#include "platform/Shell.h"

#include <QTimer>
#include <QWebSocket>

namespace {
constexpr int WebRtcWatchdogMs = 20000;
constexpr int CompanionEndPauseMs = 500;
} // namespace

void RobotLink::loginUsingWebRTC(const QString &botName)
{
    Q_UNUSED(botName) // the companion asks for the robot's name itself
    avReminder();
    linkState.activePath = ControlPath::WebRTC;
    if (!webRtcServer->listen())
        throw LinkError(QStringLiteral("Could not bind to port %1").arg(WebRtcServerTransport::CompanionPort));
    linkState.loginRequested = true;
    Timer3->setInterval(WebRtcWatchdogMs);
    Timer3->start();
    statusBarDisplay(QStringLiteral("Waiting for WebRTC module to start"), false);

    endWebRtcCompanion();
    platform.pause->pause(CompanionEndPauseMs);
    // both paths are relative to the controller's folder
    webRtcCompanion =
        platform.shell->open(QStringLiteral("nodeWebkit/quorvelbotnw"), {QStringLiteral("nodewebkit/webrtc")});
    emit frontWanted();
}

void RobotLink::endWebRtcCompanion()
{
    // only the companion this controller started, never another program
    platform.shell->end(webRtcCompanion);
    webRtcCompanion = {};
}

void RobotLink::webSocketServerOnMessage(const QString &text)
{
    if (!linkState.loginRequested || !linkState.pathWebRtc())
        return;
    if (text.startsWith(QLatin1String("NW"))) {
        if (text.startsWith(QLatin1String("NW:GetName"))) {
            const RobotContact &robot = robots.selectedContact();
            statusBarDisplay(QStringLiteral("Looking for ") + robot.description + QStringLiteral(" via WebRTC"), false);
            if (QWebSocket *companion = webRtcServer->firstConnection())
                companion->sendTextMessage(QStringLiteral("SetName:") + robot.baseName);
            emit frontWanted();
        } else if (text.startsWith(QLatin1String("NW:PEERENDCONNECTED"))) {
            sendData(getLoginString(linkState.loginType), 0);
        }
        return; // the companion's own messages
    }
    try {
        processIncomingData(text);
    } catch (const std::exception &) {
        // a message the dispatcher could not read is dropped here
    }
}
