#include "link/Stamps.h"

namespace {

qint64 floorDiv(qint64 a, qint64 b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
qint64 floorMod(qint64 a, qint64 b) { return a - floorDiv(a, b) * b; }

QString twoDigits(qint64 v) { return QString::number(v).rightJustified(2, u'0'); }
QString threeDigits(qint64 v) { return QString::number(v).rightJustified(3, u'0'); }

} // namespace

QString secondsDotMillis(qint64 localMsecs)
{
    return QString::number(floorDiv(localMsecs, 1000)) + u'.' + threeDigits(floorMod(localMsecs, 1000));
}

QString millisecondStamp(qint64 localMsecs)
{
    return QString::number(floorDiv(localMsecs, 1000)) + threeDigits(floorMod(localMsecs, 1000));
}

QString timeOfDay(qint64 localMsecs)
{
    const qint64 ms = floorMod(localMsecs, 86400000);
    return twoDigits(ms / 3600000) + u':' + twoDigits(ms / 60000 % 60) + u':' + twoDigits(ms / 1000 % 60) + u'.'
           + threeDigits(ms % 1000);
}

QString secondsInMinute(qint64 elapsedMsecs)
{
    return twoDigits(secondsFieldOf(elapsedMsecs)) + u'.' + threeDigits(floorMod(elapsedMsecs, 1000));
}

int secondsFieldOf(qint64 elapsedMsecs)
{
    return int(floorMod(elapsedMsecs, 60000) / 1000);
}
