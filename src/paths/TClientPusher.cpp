#include "paths/TClientPusher.h"

#include "platform/AnsiText.h"

#include <QTcpSocket>

namespace {
// Loopback connects or refuses at once; the bound only keeps a stuck peer
// from holding a sender forever.
constexpr int StepTimeoutMs = 5000;
} // namespace

TClientPusher::TClientPusher(QString msgtosend, QString iptosend)
    : msgtosend(std::move(msgtosend)), iptosend(std::move(iptosend))
{
    setAutoDelete(true);
}

void TClientPusher::run()
{
    QTcpSocket socket;
    socket.connectToHost(iptosend, CompanionPort);
    if (!socket.waitForConnected(StepTimeoutMs))
        return;
    socket.write(toAscii7(msgtosend) + "\r\n");
    while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(StepTimeoutMs)) {
    }
    socket.disconnectFromHost();
    if (socket.state() != QAbstractSocket::UnconnectedState)
        socket.waitForDisconnected(StepTimeoutMs);
}
