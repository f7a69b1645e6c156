#include "link/Numbers.h"

#include "link/LinkError.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

[[noreturn]] void notAnInteger(const QString &text)
{
    throw LinkError(QStringLiteral("'%1' is not a valid integer value").arg(text.left(64)));
}

} // namespace

qint64 readLongDecimal(const QString &text)
{
    int i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    if (i == text.size())
        notAnInteger(text);
    quint64 magnitude = 0;
    const quint64 limit = quint64(std::numeric_limits<qint64>::max()) + (negative ? 1 : 0);
    for (; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        if (ch < u'0' || ch > u'9' || magnitude > (limit - (ch - u'0')) / 10)
            notAnInteger(text);
        magnitude = magnitude * 10 + (ch - u'0');
    }
    return negative ? qint64(0 - magnitude) : qint64(magnitude);
}

int readDecimal(const QString &text)
{
    const qint64 value = readLongDecimal(text);
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
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
    // a value beyond int has no int to convert to: the nearer end stands in
    if (std::isnan(value))
        return 0;
    const double rounded = std::nearbyint(value); // the default rounding mode rounds ties to even
    return int(std::clamp(rounded, double(std::numeric_limits<int>::min()), double(std::numeric_limits<int>::max())));
}
