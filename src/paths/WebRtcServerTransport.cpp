#include "paths/WebRtcServerTransport.h"

#include "link/LinkError.h"

#include <QWebSocket>
#include <QWebSocketServer>

WebRtcServerTransport::WebRtcServerTransport(QWebSocketServer &server, QObject *parent)
    : QObject(parent), server(server)
{
    connect(&server, &QWebSocketServer::newConnection, this, &WebRtcServerTransport::takeConnections);
}

bool WebRtcServerTransport::listen(quint16 port)
{
    return server.isListening() || server.listen(QHostAddress::LocalHost, port);
}

void WebRtcServerTransport::takeConnections()
{
    while (QWebSocket *socket = server.nextPendingConnection()) {
        if (connections.size() >= ConnectionLimit) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        socket->setParent(this);
        socket->setMaxAllowedIncomingFrameSize(LargestRobotMessage);
        socket->setMaxAllowedIncomingMessageSize(LargestRobotMessage);
        connections.append(socket);
        connect(socket, &QWebSocket::textMessageReceived, this, &WebRtcServerTransport::textReceived);
        connect(socket, &QWebSocket::disconnected, this, [this, socket] {
            connections.removeOne(socket);
            socket->deleteLater();
        });
    }
}

bool WebRtcServerTransport::isReady() const
{
    return server.isListening();
}

void WebRtcServerTransport::writeText(const QString &text)
{
    QWebSocket *first = firstConnection();
    if (!first)
        throw LinkError(QStringLiteral("List index out of bounds (0)"));
    first->sendTextMessage(text);
    // Out at once: the goodbye "Z" is followed by a pause that blocks the
    // event loop and then by the end of the companion.
    first->flush();
}

QWebSocket *WebRtcServerTransport::firstConnection() const
{
    return connections.isEmpty() ? nullptr : connections.first();
}
