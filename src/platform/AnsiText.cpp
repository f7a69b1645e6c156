#include "platform/AnsiText.h"

namespace {

QByteArray narrow(const QString &text, char16_t limit)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text)
        bytes.append(ch.unicode() <= limit ? char(ch.unicode()) : '?');
    return bytes;
}

} // namespace

QByteArray toAnsi(const QString &text) { return narrow(text, 0xFF); }

QString fromAnsi(const QByteArray &bytes) { return QString::fromLatin1(bytes); }

QStringList textFileLines(const QByteArray &bytes)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype at = 0; at < bytes.size(); ++at) {
        const char ch = bytes[at];
        if (ch != '\r' && ch != '\n')
            continue;
        lines.append(fromAnsi(bytes.mid(start, at - start)));
        if (ch == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n')
            ++at;
        start = at + 1;
    }
    lines.append(fromAnsi(bytes.mid(start)));
    return lines;
}

QByteArray toAscii7(const QString &text) { return narrow(text, 0x7F); }
