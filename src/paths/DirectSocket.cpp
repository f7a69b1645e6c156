// The direct socket path: the robot's address (as given, or from the name
// server), one ping to see that it answers, and a WebSocket to its port 9000.
#include "link/RobotLink.h"

#include "contacts/RobotList.h"
#include "link/LinkError.h"
#include "paths/NameServer.h"
#include "platform/MessageBoxes.h"
#include "platform/ProcessRunner.h"

#include <QTimer>
#include <QUrl>
#include <QWebSocket>

namespace {
constexpr quint16 RobotPort = 9000;
constexpr int SocketWatchdogMs = 6000;
} // namespace

void RobotLink::avReminder()
{
    if (linkState.avReminderShown)
        return;
    showBox({QStringLiteral("Make sure your A/V conferencing application is launched and connected to the "
                            "robot.\r\n\r\nIf not establish the A/V conferencing connection before clicking 'Ok'. "),
             QStringLiteral("Confirm"), BoxIcon::Question});
    linkState.avReminderShown = true;
}

void RobotLink::loginUsingDirectSocket(const QString &botName)
{
    statusBarDisplay(QStringLiteral("Looking for ") + botName + QStringLiteral(" via Direct Socket"), false);
    linkState.robotAddress.clear();
    avReminder();

    const QString baseName = robots.selectedContact().baseName;
    if (!baseName.isEmpty() && baseName[0].isDigit() && baseName[0].unicode() < 128) {
        linkState.robotAddress = baseName;
    } else {
        QString reply;
        try {
            reply = IdHTTP1->askAddress(baseName);
        } catch (const std::exception &error) {
            showMessage(errorText(error));
            statusBarDisplay(QString(), false);
            restart();
            return;
        }
        if (!isUsableNameServerReply(reply)) {
            showMessage(QStringLiteral("Could not find QuorvelBot via Name Server. Try using IP directly"));
            statusBarDisplay(QString(), false);
            restart();
            return;
        }
        linkState.robotAddress = reply;
    }

    try {
        if (ExecandReturn(reachabilityCommand(linkState.robotAddress)) != 0) {
            if (linkState.autoFallback) {
                Timer3Timer(); // on to the next path at once
            } else {
                showMessage(QStringLiteral("Could not find the Robot. Aborting connection"));
                restart();
            }
            return;
        }
        QWebSocket &socket = directSocket();
        if (socket.state() != QAbstractSocket::UnconnectedState) {
            socket.close();
            socket.abort();
        }
        linkState.activePath = ControlPath::DirectSocket;
        linkState.loginRequested = true;

        QUrl endpoint;
        endpoint.setScheme(QStringLiteral("ws"));
        endpoint.setHost(linkState.robotAddress);
        endpoint.setPort(RobotPort);
        endpoint.setPath(QStringLiteral("/"));
        statusBarDisplay(QStringLiteral("Looking for ") + botName, false);
        Timer3->setInterval(SocketWatchdogMs);
        Timer3->start();
        // a connection refused or not made in time leaves the socket closed;
        // the watchdog then ends the attempt
        socketConnectTimer->start();
        socket.open(endpoint);
    } catch (const std::exception &error) {
        showMessage(QStringLiteral("Could not open necessary port for communication ") + errorText(error));
        statusBarDisplay(QString(), false);
        restart();
    }
}

void RobotLink::webSocketClientOnConnect()
{
    socketConnectTimer->stop();
    statusBarDisplay(QStringLiteral("In connect"), false);
    if (linkState.loginRequested) {
        statusBarDisplay(QStringLiteral("Logging in to the Robot now"), false);
        sendData(getLoginString(linkState.loginType), 0);
    }
}

void RobotLink::webSocketClientOnMessage(const QString &text)
{
    try {
        processIncomingData(text);
    } catch (const std::exception &) {
        // a message the dispatcher could not read is dropped here
    }
}

void RobotLink::webSocketClientOnDisconnect()
{
    // A robot that breaks the protocol (a text that is not UTF-8, a message
    // beyond any size it sends) loses this connection, and the operator is
    // told; the session's time-out ends the session as for any silence.
    const bool attemptOrSession = linkState.pathSocket() && (linkState.loginRequested || linkState.sessionOpen);
    if (attemptOrSession && webSocketClient->closeCode() != QWebSocketProtocol::CloseCodeNormal)
        statusBarDisplay(QStringLiteral("Connection to the robot closed: ") + webSocketClient->closeReason(), false);
}

int RobotLink::ExecandReturn(const QString &commandLine)
{
    return platform.processes->run(commandLine);
}
