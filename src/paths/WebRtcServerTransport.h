#pragma once
#include "link/RobotTransport.h"

#include <QList>
#include <QObject>

class QWebSocket;
class QWebSocketServer;

// The local WebSocket server on port 9002 that the WebRTC companion connects
// to. Texts go, unframed, to the server's first connection, which is the
// companion's. It listens on the loopback address alone: only programs on
// this machine may speak for the robot. Beyond a few connections, new ones
// are refused, and a message too large ends its connection only.
class WebRtcServerTransport : public QObject, public RobotTransport {
    Q_OBJECT
public:
    static constexpr quint16 CompanionPort = 9002;
    static constexpr int ConnectionLimit = 8;

    explicit WebRtcServerTransport(QWebSocketServer &server, QObject *parent = nullptr);
    // Starts listening unless it does already; false when the port is taken.
    bool listen(quint16 port = CompanionPort);
    bool isReady() const override;
    // Raises a LinkError when the server listens but nobody is connected.
    void writeText(const QString &text) override;
    QWebSocket *firstConnection() const;

signals:
    // a text message on any of the connections
    void textReceived(const QString &text);

private:
    void takeConnections();

    QWebSocketServer &server;
    QList<QWebSocket *> connections;
};
