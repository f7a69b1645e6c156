#pragma once
#include <QHostAddress>
#include <QMap>
#include <QObject>
#include <QString>

class QWebSocket;
class QWebSocketServer;
class RobotProtocol;

// The robot's WebSocket server: every connection gets a number, every text
// frame goes to the protocol, and the protocol's texts go back as one text
// frame each.
class RobotServer : public QObject {
    Q_OBJECT
public:
    static constexpr quint16 robotPort = 9000;
    // Larger frames are refused by the socket rather than held in memory.
    static constexpr qint64 largestFrame = 64 * 1024;

    RobotServer(RobotProtocol &protocol, QObject *parent = nullptr);
    ~RobotServer() override;

    // False, with errorString() telling why, when the port cannot be had.
    bool listen(const QHostAddress &address, quint16 port = robotPort);
    QString errorString() const;

private:
    void accept();
    void send(int connection, const QString &text);

    RobotProtocol &protocol;
    QWebSocketServer *server;
    QMap<int, QWebSocket *> sockets;
    int lastConnection = 0;
};
