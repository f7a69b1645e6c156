#pragma once
#include "link/RobotTransport.h"

class QWebSocket;

// The direct socket's way out: one text frame on the WebSocket to the robot,
// while it is connected.
class DirectSocketTransport : public RobotTransport {
public:
    explicit DirectSocketTransport(QWebSocket &client) : client(client) {}
    bool isReady() const override;
    void writeText(const QString &text) override;

private:
    QWebSocket &client;
};
