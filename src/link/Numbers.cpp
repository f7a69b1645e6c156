#include "link/Numbers.h"

#include "link/LinkError.h"

#include <cmath>
#include <limits>

namespace {

[[noreturn]] void notAnInteger(const QString &text)
{
    throw LinkError(QStringLiteral("'%1' is not a valid integer value").arg(text.left(64)));
}

} // namespace

int readDecimal(const QString &text)
{
    int i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    if (i == text.size())
        notAnInteger(text);
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        if (ch < u'0' || ch > u'9')
            notAnInteger(text);
        value = value * 10 + (ch - u'0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            notAnInteger(text);
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max())
        notAnInteger(text);
    return int(value);
}

unsigned readHex(const QString &text)
{
    if (text.isEmpty() || text.size() > 8)
        notAnInteger(text);
    unsigned value = 0;
    for (const QChar ch : text) {
        const int digit = QStringLiteral("0123456789abcdef").indexOf(ch.toLower());
        if (digit < 0 || ch.unicode() > 0x7F)
            notAnInteger(text);
        value = value * 16 + unsigned(digit);
    }
    return value;
}

int roundToEven(double value)
{
    return int(std::nearbyint(value)); // the default rounding mode rounds ties to even
}
