#pragma once
#include <QString>

// What a control path offers the send path: one text out as one message unit
// (a WebSocket text frame, or one line on a fresh companion connection). The
// framing is added before the call. Whether the path is the session's is kept
// in LinkState's path flags.
class RobotTransport {
public:
    virtual ~RobotTransport() = default;
    // Whether a text written now can leave: the WebSocket is connected, the
    // local server is listening. The cloud path is always ready.
    virtual bool isReady() const = 0;
    virtual void writeText(const QString &text) = 0;
};
