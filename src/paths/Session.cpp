// Taking a session down: the restart every failure ends in, the orderly end
// of a running session, and the goodbye when the controller closes.
#include "link/RobotLink.h"

#include "contacts/RobotList.h"
#include "paths/NameServer.h"
#include "paths/WebRtcServerTransport.h"
#include "platform/Pause.h"
#include "platform/Shell.h"

#include <QTimer>
#include <QWebSocket>

namespace {
constexpr int GoodbyePauseMs = 500;
} // namespace

void RobotLink::restart()
{
    // whatever ends the session, the next one starts still
    leftWheelDemand = rightWheelDemand = 0;
    emit wheelsReleased();
    LinkState &s = linkState;
    s.sessionOpen = false;
    s.loginRequested = false;
    try {
        if (s.pathCloud()) {
            platform.shell->open(companionStopper(), {QStringLiteral("nil")});
        } else if (s.pathSocket()) {
            socketConnectTimer->stop();
            if (webSocketClient)
                webSocketClient->close();
        } else if (s.pathWebRtc()) {
            webRtcServer->listen(); // it keeps listening for the next session
            endWebRtcCompanion();
        }
    } catch (...) {
    }
    emit signInReady();
    s.activePath.reset();
}

void RobotLink::endSession()
{
    linkState.sessionOpen = false;
    Timer1->stop();
    commandTimeOutTimer->stop();
    emit drivePointerLost(); // a drag held through the end stops the robot before the goodbye
    try {
        if (robots.selectedContact().conferencingPeer != QLatin1String("Other"))
            hangUpCall();
    } catch (...) {
        writelogfile(QStringLiteral("Error in end call in disconnectclick"));
    }
    try {
        // Laser and head charging go off with the drive view; said here,
        // while the path is still up, so that the robot hears it.
        switchAccessoriesOff();
    } catch (...) {
        // the path may be gone already; the goodbye is tried all the same
    }
    try {
        sendData(QStringLiteral("Z"), 0);
        platform.pause->pause(GoodbyePauseMs);
    } catch (...) {
        writelogfile(QStringLiteral("Error in Disconnect sending Z"));
    }
    restart();
    linkState.inSession = false;
    emit sessionEnded();
    Timer3->stop();
    statusBarDisplay(QStringLiteral("Ready"), false);
    linkState.accessoryFlagsKnown = linkState.laserPresent = linkState.panPresent = false;
    // A network switch the robot never confirmed must not hide the next
    // session's wireless indicator.
    linkState.wifiSwitchPending = false;
}

void RobotLink::driveViewOpened()
{
    Timer3->stop();
    leftWheelDemand = rightWheelDemand = 0; // a session starts with the wheels still
    Timer1->start();
    linkState.sensorReadings.fill(0);
    linkState.sessionOpen = true;
    showLinkAnswering(); // a new session starts with no ping outstanding
    linkState.headlightLevel = 0;
    emit accessoriesChanged();
}

void RobotLink::driveViewClosed()
{
    LinkState &s = linkState;
    if (!s.pathWebRtc()) // the view takes down the cloud and socket paths; WebRTC is the restart's
        s.activePath.reset();
    s.multiRadioPresent = false;
    s.wifiRadioCount = 0;
    s.batteryPercent = s.batteryState = -1;
    leftWheelDemand = rightWheelDemand = 0;
    Timer1->stop();
    Timer3->stop();
    s.sessionOpen = false;
    s.FStartTime = 0;
    switchAccessoriesOff();
    s.boardSerialNumber.clear();
}

bool RobotLink::closing()
{
    if (IdHTTP1->isWaiting()) {
        IdHTTP1->abandon();
        return false;
    }
    // a goodbye on the session's path; the WebRTC companion is left running
    try {
        if (linkState.pathCloud()) {
            sendViaQuorvelCloud(QStringLiteral("TERMINATE"));
        } else if (linkState.pathSocket()) {
            sendViaSocketConn(QStringLiteral("Z")); // the direct socket sends each command at once
        }
    } catch (...) {
    }
    return true;
}
