#pragma once
#include <QObject>
#include <QTcpServer>
#include <functional>
#include <memory>
#include <vector>

class QTcpSocket;

// The controller's TCP server on port 6000, to which the cloud companion
// sends its lines. Each line, cut and decoded by cutCompanionLine, is handed
// to the line handler on the main thread, one at a time and in the order of
// its connection. A line longer than the limit ends its connection only. It
// listens on the loopback address alone: only programs on this machine may
// speak for the robot.
class CompanionLineServer : public QObject {
    Q_OBJECT
public:
    static constexpr quint16 Port = 6000;
    static constexpr int LineLimit = 16384;
    // More connections than this and one is dropped: one that never
    // delivered a line, else the one idle longest. So a flood of connections
    // can crowd out neither the companion's open connection nor its next one.
    static constexpr int ConnectionLimit = 32;

    explicit CompanionLineServer(std::function<void(const QString &line)> lineHandler, QObject *parent = nullptr);
    ~CompanionLineServer() override;
    bool isListening() const { return server.isListening(); }
    bool listen(quint16 port = Port);
    QHostAddress serverAddress() const { return server.serverAddress(); }
    int connectionCount() const { return int(connections.size()); }

private:
    struct Connection;
    void accept();
    Connection *leastUseful() const;
    void readLines(Connection &connection);
    void drop(QTcpSocket *socket);
    void erase(Connection &connection);

    std::function<void(const QString &)> handler;
    QTcpServer server;
    std::vector<std::unique_ptr<Connection>> connections;
    quint64 clock = 0; // counts events, to tell which connection was idle longest
};
