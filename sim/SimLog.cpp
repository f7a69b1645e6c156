#include "SimLog.h"

#include "link/Stamps.h"
#include "platform/Clock.h"

#include <QTextStream>

void SimLog::write(const QString &line)
{
    out << timeOfDay(clock.localMsecs()) << u' ' << printable(line) << Qt::endl;
}

QString SimLog::printable(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar ch : text) {
        if (ch.unicode() < 32 || ch.unicode() == 127)
            shown += QStringLiteral("\\x") + QString::number(ch.unicode(), 16).toUpper().rightJustified(2, u'0');
        else
            shown += ch;
    }
    return shown;
}
