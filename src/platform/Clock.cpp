#include "platform/Clock.h"

#include <QDateTime>

#include <chrono>

qint64 SystemClock::localMsecs() const
{
    const QDateTime now = QDateTime::currentDateTime();
    return now.toMSecsSinceEpoch() + qint64(now.offsetFromUtc()) * 1000;
}

qint64 SystemClock::tickMsecs() const
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
