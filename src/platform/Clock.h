#pragma once
#include <QtGlobal>

// The robot link stamps everything with local wall-clock time: milliseconds
// since 1970-01-01 00:00:00 of the local clock (not UTC).
class Clock {
public:
    virtual ~Clock() = default;
    virtual qint64 localMsecs() const = 0;
    // Milliseconds of a clock that never jumps (not with the wall clock, not
    // at daylight saving), for delays and repeats.
    virtual qint64 tickMsecs() const = 0;
};

class SystemClock : public Clock {
public:
    qint64 localMsecs() const override;
    qint64 tickMsecs() const override;
};
