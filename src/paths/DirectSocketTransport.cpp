#include "paths/DirectSocketTransport.h"

#include <QWebSocket>

bool DirectSocketTransport::isReady() const
{
    const QWebSocket *socket = client();
    return socket && socket->state() == QAbstractSocket::ConnectedState;
}

void DirectSocketTransport::writeText(const QString &text)
{
    if (QWebSocket *socket = client())
        socket->sendTextMessage(text);
}
