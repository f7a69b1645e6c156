#include "paths/CompanionLineServer.h"

#include "paths/CompanionLines.h"

#include <QPointer>
#include <QTcpSocket>

#include <algorithm>
#include <utility>

struct CompanionLineServer::Connection {
    QPointer<QTcpSocket> socket;
    QByteArray pending;
    bool dispatching = false; // a handler of this connection is running (a box may be open)
    bool closed = false;      // dropped while dispatching: removed once the handler returns
    bool delivered = false;   // a line of it was handed on
    quint64 lastActive = 0;
};

CompanionLineServer::CompanionLineServer(std::function<void(const QString &)> lineHandler, QObject *parent)
    : QObject(parent), handler(std::move(lineHandler))
{
    connect(&server, &QTcpServer::newConnection, this, &CompanionLineServer::accept);
}

CompanionLineServer::~CompanionLineServer()
{
    // The sockets outlive these records (the server deletes them last) and
    // close as they go: they must not come back to records already gone.
    for (const auto &connection : connections)
        if (connection->socket)
            connection->socket->disconnect(this);
}

bool CompanionLineServer::listen(quint16 port)
{
    return server.listen(QHostAddress::LocalHost, port);
}

void CompanionLineServer::accept()
{
    while (QTcpSocket *socket = server.nextPendingConnection()) {
        if (int(connections.size()) >= ConnectionLimit)
            if (Connection *surplus = leastUseful())
                drop(surplus->socket);
        auto connection = std::make_unique<Connection>();
        connection->socket = socket;
        connection->lastActive = ++clock;
        Connection *raw = connection.get();
        connections.push_back(std::move(connection));
        connect(socket, &QTcpSocket::readyRead, this, [this, raw] { readLines(*raw); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] { drop(socket); });
    }
}

CompanionLineServer::Connection *CompanionLineServer::leastUseful() const
{
    // one that never delivered a line before one that did, then the one idle longest
    const auto rank = [](const Connection &c) { return std::make_pair(c.delivered, c.lastActive); };
    Connection *least = nullptr;
    for (const auto &c : connections)
        if (!c->closed && !c->dispatching && (!least || rank(*c) < rank(*least)))
            least = c.get();
    return least;
}

void CompanionLineServer::readLines(Connection &connection)
{
    if (connection.closed || !connection.socket)
        return;
    connection.pending += connection.socket->readAll();
    connection.lastActive = ++clock;
    if (connection.dispatching)
        return; // the running handler takes these lines when it is done
    connection.dispatching = true;
    for (;;) {
        const CompanionLineCut cut = cutCompanionLine(connection.pending, LineLimit);
        if (cut.outcome == CompanionLineCut::TooLong) {
            connection.dispatching = false;
            drop(connection.socket);
            return;
        }
        if (cut.outcome == CompanionLineCut::Incomplete)
            break;
        connection.pending.remove(0, cut.length);
        connection.delivered = true;
        handler(cut.line);
        if (connection.closed) { // dropped while the line was handled
            erase(connection);
            return;
        }
    }
    connection.dispatching = false;
}

void CompanionLineServer::drop(QTcpSocket *socket)
{
    const auto found = std::find_if(connections.begin(), connections.end(),
                                    [socket](const auto &c) { return c->socket == socket && !c->closed; });
    if (found == connections.end())
        return;
    Connection &connection = **found;
    if (socket) {
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
    connection.closed = true;
    if (!connection.dispatching)
        erase(connection);
}

void CompanionLineServer::erase(Connection &connection)
{
    connections.erase(std::find_if(connections.begin(), connections.end(),
                                   [&connection](const auto &c) { return c.get() == &connection; }));
}
