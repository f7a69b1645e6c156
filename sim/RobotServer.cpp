#include "RobotServer.h"

#include "RobotProtocol.h"

#include <QWebSocket>
#include <QWebSocketServer>

namespace {

// An IPv4 address reached through an IPv6 socket reads as ::ffff:a.b.c.d.
QString plainAddress(const QHostAddress &address)
{
    bool isIpv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIpv4);
    return isIpv4 ? QHostAddress(ipv4).toString() : address.toString();
}

} // namespace

RobotServer::RobotServer(RobotProtocol &protocol, QObject *parent)
    : QObject(parent), protocol(protocol),
      server(new QWebSocketServer(QStringLiteral("quorvelbot-sim"), QWebSocketServer::NonSecureMode, this))
{
    connect(server, &QWebSocketServer::newConnection, this, &RobotServer::accept);
    connect(&protocol, &RobotProtocol::textOut, this, &RobotServer::send);
}

RobotServer::~RobotServer()
{
    // The protocol may outlive the server; its connections end here.
    for (QWebSocket *socket : std::as_const(sockets))
        socket->disconnect(this);
}

bool RobotServer::listen(const QHostAddress &address, quint16 port) { return server->listen(address, port); }

QString RobotServer::errorString() const { return server->errorString(); }

void RobotServer::accept()
{
    while (QWebSocket *socket = server->nextPendingConnection()) {
        const int connection = ++lastConnection;
        socket->setParent(this);
        socket->setMaxAllowedIncomingMessageSize(largestFrame);
        socket->setMaxAllowedIncomingFrameSize(largestFrame);
        sockets.insert(connection, socket);
        connect(socket, &QWebSocket::textMessageReceived, this,
                [this, connection](const QString &frame) { protocol.frameReceived(connection, frame); });
        connect(socket, &QWebSocket::disconnected, this, [this, connection, socket] {
            sockets.remove(connection);
            socket->deleteLater();
            protocol.connectionClosed(connection);
        });
        protocol.connectionOpened(connection, plainAddress(socket->localAddress()));
    }
}

void RobotServer::send(int connection, const QString &text)
{
    if (QWebSocket *socket = sockets.value(connection))
        socket->sendTextMessage(text);
}
