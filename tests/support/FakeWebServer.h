#pragma once
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QTcpServer>
#include <functional>
#include <optional>

class QTcpSocket;

struct HttpRequest {
    QByteArray method;
    QByteArray path;
    QMap<QByteArray, QByteArray> headers; // names in lower case
    QByteArray body;
};

struct HttpAnswer {
    int status = 200;
    QByteArray body;
    QByteArray extraHeaders; // complete lines, each ending in CR LF
};

// A web server on the loopback address that speaks just enough HTTP/1.1 for
// the controller's requests: it records each request and answers it as the
// test says, or not at all when the answer is empty.
class FakeWebServer {
public:
    std::function<std::optional<HttpAnswer>(const HttpRequest &)> answer;
    QList<HttpRequest> requests;

    FakeWebServer();
    bool listen() { return server.listen(QHostAddress::LocalHost); }
    QByteArray address() const { return "http://127.0.0.1:" + QByteArray::number(server.serverPort()); }

private:
    static std::optional<HttpRequest> takeRequest(QByteArray &received);
    void serve(QTcpSocket &socket, const HttpRequest &request);

    QTcpServer server;
};
