#include "FakeWebServer.h"

#include <QTcpSocket>

FakeWebServer::FakeWebServer()
{
    QObject::connect(&server, &QTcpServer::newConnection, [this] {
        while (QTcpSocket *socket = server.nextPendingConnection()) {
            auto received = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received] {
                *received += socket->readAll();
                while (std::optional<HttpRequest> request = takeRequest(*received))
                    serve(*socket, *request);
            });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

std::optional<HttpRequest> FakeWebServer::takeRequest(QByteArray &received)
{
    const qsizetype headEnd = received.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return std::nullopt;
    const QList<QByteArray> lines = received.left(headEnd).split('\n');
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    HttpRequest request{requestLine.value(0), requestLine.value(1), {}, {}};
    for (const QByteArray &line : lines.mid(1)) {
        const qsizetype colon = line.indexOf(':');
        request.headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
    }
    const qsizetype length = request.headers.value("content-length", "0").toLongLong();
    if (received.size() < headEnd + 4 + length)
        return std::nullopt;
    request.body = received.mid(headEnd + 4, length);
    received.remove(0, headEnd + 4 + length);
    return request;
}

void FakeWebServer::serve(QTcpSocket &socket, const HttpRequest &request)
{
    requests << request;
    const std::optional<HttpAnswer> reply = answer(request);
    if (!reply)
        return;
    static const QMap<int, QByteArray> reasons{
        {200, "OK"}, {302, "Found"}, {404, "Not Found"}, {500, "Internal Server Error"}};
    socket.write("HTTP/1.1 " + QByteArray::number(reply->status) + ' ' + reasons.value(reply->status) + "\r\n"
                 + "Content-Type: text/html\r\nContent-Length: " + QByteArray::number(reply->body.size()) + "\r\n"
                 + reply->extraHeaders + "\r\n" + reply->body);
}
