#pragma once
#include <QTcpServer>

// A TCP port of the loopback address that nothing listens on just now.
inline quint16 freeLocalPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}
