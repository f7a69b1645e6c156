#include "platform/Clock.h"

#include <QDateTime>

qint64 SystemClock::localMsecs() const
{
    const QDateTime now = QDateTime::currentDateTime();
    return now.toMSecsSinceEpoch() + qint64(now.offsetFromUtc()) * 1000;
}
