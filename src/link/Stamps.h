#pragma once
#include <QString>
#include <QtGlobal>

// Texts made from local wall-clock time (milliseconds since 1970-01-01
// 00:00:00 of the local clock).

// Whole seconds, "." and three millisecond digits: the direct socket's prefix.
QString secondsDotMillis(qint64 localMsecs);
// Whole seconds immediately followed by three millisecond digits: the stamp
// of a ping and of a login resend, read as a number of milliseconds.
QString millisecondStamp(qint64 localMsecs);
// "hh:nn:ss.zzz" of the local time of day: the log's line prefix.
QString timeOfDay(qint64 localMsecs);
// Seconds within the minute and milliseconds of a span, "ss.zzz".
QString secondsInMinute(qint64 elapsedMsecs);
// The seconds within the minute of a span, 0 to 59.
int secondsFieldOf(qint64 elapsedMsecs);
