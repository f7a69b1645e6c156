#include "link/Framing.h"

#include "link/Stamps.h"

QString socketFrame(qint64 localMsecs, const QString &text)
{
    return secondsDotMillis(localMsecs) + u':' + text;
}

QString cloudFrame(int cloudSessionId, const QString &text)
{
    return QString::number(unsigned(cloudSessionId), 16).toUpper().rightJustified(5, u'0') + u':' + text;
}
