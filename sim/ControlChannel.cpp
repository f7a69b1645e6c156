#include "ControlChannel.h"

#include <QHostAddress>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTextStream>

ControlChannel::ControlChannel(Executor execute, QObject *parent)
    : QObject(parent), execute(std::move(execute)), server(new QTcpServer(this))
{
    connect(server, &QTcpServer::newConnection, this, &ControlChannel::accept);
}

void ControlChannel::readStandardInput(QTextStream &replies)
{
    // Unbuffered, so every line the notifier announces is read at once.
    if (!standardInput.open(0, QIODevice::ReadOnly | QIODevice::Unbuffered))
        return;
    inputNotifier = new QSocketNotifier(0, QSocketNotifier::Read, this);
    connect(inputNotifier, &QSocketNotifier::activated, this, [this, &replies] { readStandardInputLine(replies); });
}

void ControlChannel::readStandardInputLine(QTextStream &replies)
{
    // One line per notification: the notifier fires again while more wait.
    const QByteArray line = standardInput.readLine(longestLine);
    if (line.isEmpty()) {
        inputNotifier->setEnabled(false); // end of input: the simulator runs on
        return;
    }
    if (!line.trimmed().isEmpty())
        replies << run(line) << Qt::endl;
}

bool ControlChannel::listen(quint16 port) { return server->listen(QHostAddress::LocalHost, port); }

quint16 ControlChannel::port() const { return server->serverPort(); }

QString ControlChannel::errorString() const { return server->errorString(); }

void ControlChannel::accept()
{
    while (QTcpSocket *socket = server->nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            while (socket->canReadLine()) {
                const QByteArray line = socket->readLine(longestLine);
                if (!line.trimmed().isEmpty())
                    socket->write(run(line).toUtf8() + '\n');
            }
            if (socket->bytesAvailable() > longestLine)
                socket->abort(); // no line ending in sight
        });
    }
}

QString ControlChannel::run(const QByteArray &line) const
{
    QByteArray text = line;
    while (text.endsWith('\n') || text.endsWith('\r'))
        text.chop(1);
    return execute(QString::fromUtf8(text));
}
