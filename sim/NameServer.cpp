#include "NameServer.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace {

const QByteArray endpoint = "/orbeo/authEndpoint.php";

QString formValue(const QByteArray &encoded)
{
    QByteArray value = encoded;
    value.replace('+', ' ');
    return QUrl::fromPercentEncoding(value);
}

} // namespace

NameServer::NameServer(const QString &baseName, const QString &address, const QString &version, QObject *parent)
    : QObject(parent), baseName(baseName), address(address), version(version), server(new QTcpServer(this))
{
    connect(server, &QTcpServer::newConnection, this, &NameServer::accept);
}

bool NameServer::listen(quint16 port) { return server->listen(QHostAddress::LocalHost, port); }

quint16 NameServer::port() const { return server->serverPort(); }

QString NameServer::errorString() const { return server->errorString(); }

QString NameServer::replyTo(const QByteArray &form) const
{
    for (const QByteArray &field : form.split('&')) {
        const qsizetype equals = field.indexOf('=');
        if (equals < 0)
            continue;
        const QString key = formValue(field.left(equals));
        const bool ours = formValue(field.mid(equals + 1)).trimmed().compare(baseName, Qt::CaseInsensitive) == 0;
        if (key == u"getIP")
            return ours ? address : QStringLiteral("ERROR");
        if (key == u"getRobVer")
            return ours ? version : QStringLiteral("ERROR");
    }
    return QStringLiteral("ERROR");
}

void NameServer::accept()
{
    while (QTcpSocket *socket = server->nextPendingConnection()) {
        pending.insert(socket, QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            pending.remove(socket);
            socket->deleteLater();
        });
        // A client that never finishes its request does not keep the socket.
        QTimer::singleShot(requestTimeOutMs, socket, [socket] { socket->abort(); });
    }
}

void NameServer::readRequest(QTcpSocket *socket)
{
    if (!pending.contains(socket))
        return;
    QByteArray &request = pending[socket];
    request += socket->readAll();
    if (request.size() > largestRequest) {
        respond(socket, 413, "Payload Too Large", "ERROR");
        return;
    }
    const qsizetype headerEnd = request.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return;

    const QList<QByteArray> lines = request.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    qint64 bodyLength = 0;
    for (const QByteArray &line : lines.mid(1)) {
        const qsizetype colon = line.indexOf(':');
        const QByteArray name = line.left(colon).trimmed().toLower();
        if (colon > 0 && name == "content-length")
            bodyLength = line.mid(colon + 1).trimmed().toLongLong();
        if (colon > 0 && name == "transfer-encoding") {
            respond(socket, 411, "Length Required", "ERROR");
            return;
        }
    }
    if (requestLine.size() != 3 || bodyLength < 0) {
        respond(socket, 400, "Bad Request", "ERROR");
        return;
    }
    const QByteArray body = request.mid(headerEnd + 4);
    if (body.size() < bodyLength)
        return;

    const QByteArray path = requestLine[1].split('?').first();
    if (path != endpoint)
        respond(socket, 404, "Not Found", "ERROR");
    else if (requestLine[0] != "POST")
        respond(socket, 405, "Method Not Allowed", "ERROR");
    else
        respond(socket, 200, "OK", replyTo(body.left(bodyLength)).toUtf8());
}

void NameServer::respond(QTcpSocket *socket, int status, const QByteArray &reason, const QByteArray &body)
{
    pending.remove(socket);
    socket->write("HTTP/1.1 " + QByteArray::number(status) + ' ' + reason
                  + "\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: " + QByteArray::number(body.size())
                  + "\r\nConnection: close\r\n\r\n" + body);
    socket->disconnectFromHost();
}
