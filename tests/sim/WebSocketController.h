#pragma once
#include "RobotFixture.h"

#include <QStringList>
#include <QTest>
#include <QWebSocket>

// A controller's end of the direct socket to 127.0.0.1:9000, keeping every
// frame it receives.
struct WebSocketController {
    WebSocketController()
    {
        QObject::connect(&socket, &QWebSocket::textMessageReceived, [this](const QString &text) { received << text; });
    }
    bool open()
    {
        socket.open(QUrl(QStringLiteral("ws://127.0.0.1:9000/")));
        return QTest::qWaitFor([this] { return socket.state() == QAbstractSocket::ConnectedState; }, 5000);
    }
    // Sends the command behind a time stamp, as the controller does.
    void send(const QString &command) { socket.sendTextMessage(RobotFixture::framed(command)); }

    QWebSocket socket;
    QStringList received;
};
