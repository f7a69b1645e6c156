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

QByteArray toAscii7(const QString &text) { return narrow(text, 0x7F); }
