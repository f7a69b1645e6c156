#pragma once
#include "link/RobotTransport.h"

#include <QList>
#include <QObject>

class QWebSocket;
class QWebSocketServer;

// The WebRTC path's way out: the local WebSocket server that the WebRTC
// companion connects to. Texts go, unframed, to the server's first
// connection, which is the companion's.
class WebRtcServerTransport : public QObject, public RobotTransport {
    Q_OBJECT
public:
    static constexpr quint16 CompanionPort = 9002;

    explicit WebRtcServerTransport(QWebSocketServer &server);
    bool isReady() const override;
    // Raises a LinkError when the server listens but nobody is connected.
    void writeText(const QString &text) override;
    QWebSocket *firstConnection() const;

private:
    void takeConnections();

    QWebSocketServer &server;
    QList<QWebSocket *> connections;
};
