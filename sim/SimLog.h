#pragma once
#include <QString>

class Clock;
class QTextStream;

// One line per event on the simulator's output, behind the local time of
// day; control characters in a line are shown as \xNN so no text from a
// controller can start a line of its own.
class SimLog {
public:
    SimLog(const Clock &clock, QTextStream &out) : clock(clock), out(out) {}
    void write(const QString &line);

    static QString printable(const QString &text);

private:
    const Clock &clock;
    QTextStream &out;
};
