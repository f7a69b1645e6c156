#include "paths/DirectSocketTransport.h"

#include <QWebSocket>

bool DirectSocketTransport::isReady() const
{
    return client.state() == QAbstractSocket::ConnectedState;
}

void DirectSocketTransport::writeText(const QString &text)
{
    client.sendTextMessage(text);
}
