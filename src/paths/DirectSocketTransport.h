#pragma once
#include "link/RobotTransport.h"

#include <functional>

class QWebSocket;

// The direct socket's way out: one text frame on the WebSocket to the robot,
// while it is connected.
class DirectSocketTransport : public RobotTransport {
public:
    // client: the link's socket, null until the first direct-socket sign-in
    explicit DirectSocketTransport(std::function<QWebSocket *()> client) : client(std::move(client)) {}
    bool isReady() const override;
    void writeText(const QString &text) override;

private:
    std::function<QWebSocket *()> client;
};
