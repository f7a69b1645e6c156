// Taking a session down: the restart every failure ends in, and the orderly
// end of a running session.
#include "ui/TForm2.h"

#include "paths/NameServer.h"
#include "paths/WebRtcServerTransport.h"
#include "platform/Pause.h"
#include "platform/Shell.h"

#include <QPushButton>
#include <QTimer>
#include <QWebSocket>
#include <QWebSocketServer>

namespace {
constexpr int GoodbyePauseMs = 500;
} // namespace

void TForm2::restart()
{
    letGoOfPad(); // whatever ends the session, the next one starts still
    LinkState &s = linkState;
    s.sessionOpen = false;
    s.loginRequested = false;
    try {
        if (s.pathCloud()) {
            platform.shell->open(companionStopper(), {QStringLiteral("nil")});
        } else if (s.pathSocket()) {
            socketConnectTimer->stop();
            webSocketClient->close();
        } else if (s.pathWebRtc()) {
            webRtcServer->listen(); // it keeps listening for the next session
            endWebRtcCompanion();
        }
    } catch (...) {
    }
    SignIn->setText(QStringLiteral("Sign In"));
    SignIn->setEnabled(true);
    s.activePath.reset();
}

void TForm2::DisconnectClick()
{
    linkState.sessionOpen = false;
    Timer1->stop();
    commandTimeOutTimer->stop();
    padPointerLost(); // a drag held through the end stops the robot before the goodbye
    try {
        if (selectedContact().conferencingPeer != QLatin1String("Other"))
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
    disableDriveView();
    // centred as the sign-in view it now is, not as the drive view it was
    centreOnScreen();
    Timer3->stop();
    statusBarDisplay(QStringLiteral("Ready"), false);
    linkState.accessoryFlagsKnown = linkState.laserPresent = linkState.panPresent = false;
}

bool TForm2::FormClose()
{
    if (IdHTTP1->isWaiting()) {
        // The handler waiting for the name server ends without going on, and
        // the window closes as soon as it has.
        IdHTTP1->abandon();
        QTimer::singleShot(0, this, &QWidget::close);
        return false;
    }
    // a goodbye on the session's path; the WebRTC companion is left running
    try {
        if (linkState.pathCloud()) {
            sendViaQuorvelCloud(QStringLiteral("TERMINATE"));
        } else if (linkState.pathSocket()) {
            sendViaSocketConn(QStringLiteral("Z"));
            webSocketClient->flush();
        }
    } catch (...) {
    }
    return true;
}
