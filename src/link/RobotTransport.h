#pragma once
#include <QString>

// The largest message the robot or a companion may send. Theirs are a few
// hundred bytes at most; a larger one ends its connection before it fills
// the memory.
inline constexpr quint64 LargestRobotMessage = 1 << 20;

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
