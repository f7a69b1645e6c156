#pragma once
#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

class QTcpServer;
class QTcpSocket;

// A stand-in for the maker's name server, on a local HTTP port: POST
// /orbeo/authEndpoint.php with the form field getIP= or getRobVer= and a base
// name is answered with the robot's address or its software version when the
// name is the simulator's own (in any letter case), and with ERROR otherwise.
class NameServer : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 largestRequest = 16 * 1024;
    static constexpr int requestTimeOutMs = 5000;

    NameServer(const QString &baseName, const QString &address, const QString &version, QObject *parent = nullptr);

    // Binds the loopback address only; port 0 takes any free one.
    bool listen(quint16 port);
    quint16 port() const;
    QString errorString() const;

    // The reply body for a form body such as getIP=simbot.
    QString replyTo(const QByteArray &form) const;

private:
    void accept();
    void readRequest(QTcpSocket *socket);
    void respond(QTcpSocket *socket, int status, const QByteArray &reason, const QByteArray &body);

    QString baseName;
    QString address;
    QString version;
    QTcpServer *server;
    QHash<QTcpSocket *, QByteArray> pending;
};
