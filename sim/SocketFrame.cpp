#include "SocketFrame.h"

#include <QRegularExpression>

std::optional<QString> commandOfFrame(const QString &frame)
{
    static const QRegularExpression stamp(QStringLiteral("^[0-9]+\\.[0-9]{3}:"));
    const QRegularExpressionMatch match = stamp.match(frame);
    if (!match.hasMatch())
        return std::nullopt;
    return frame.mid(match.capturedLength());
}
