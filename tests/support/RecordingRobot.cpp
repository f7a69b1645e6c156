#include "RecordingRobot.h"

#include <QTest>
#include <QWebSocket>

RecordingRobot::RecordingRobot(quint16 port)
    : server(QStringLiteral("robot"), QWebSocketServer::NonSecureMode)
{
    server.listen(QHostAddress::LocalHost, port);
    connect(&server, &QWebSocketServer::newConnection, this, [this] {
        while (QWebSocket *socket = server.nextPendingConnection()) {
            socket->setParent(this);
            client = socket;
            connect(socket, &QWebSocket::textMessageReceived, this, [this](const QString &text) {
                frames << text;
                const QString command = text.section(u':', 1);
                if (echoPings && command.startsWith(QStringLiteral("PING")))
                    send(command);
                emit commandReceived(command);
            });
        }
    });
}

QStringList RecordingRobot::commands() const
{
    QStringList commands;
    for (const QString &frame : frames)
        commands << frame.section(u':', 1);
    return commands;
}

void RecordingRobot::send(const QString &text)
{
    if (client)
        client->sendTextMessage(text);
}

bool RecordingRobot::waitForCommand(const QString &command, int milliseconds)
{
    return QTest::qWaitFor([&] { return commands().contains(command); }, milliseconds);
}
