#include "paths/DirectSocketTransport.h"

#include <QWebSocket>

bool DirectSocketTransport::isReady() const
{
    const QWebSocket *socket = client();
    return socket && socket->state() == QAbstractSocket::ConnectedState;
}

void DirectSocketTransport::writeText(const QString &text)
{
    // Out at once, not at the next turn of the event loop: the goodbye "Z"
    // and the stops before it are followed by a pause that holds the loop.
    if (QWebSocket *socket = client()) {
        socket->sendTextMessage(text);
        socket->flush();
    }
}
