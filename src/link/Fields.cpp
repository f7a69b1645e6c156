#include "link/Fields.h"

#include "link/LinkError.h"

namespace {

bool isBlankOrControl(QChar ch) { return ch.unicode() >= 1 && ch.unicode() <= 32; }

} // namespace

const QString &Fields::at(int index) const
{
    if (index < 0 || index >= list.size())
        throw LinkError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return list[index];
}

Fields splitFields(const QString &text, QChar separator)
{
    QStringList fields;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && isBlankOrControl(text[i]))
        ++i;
    while (i < n) {
        QString field;
        if (text[i] == u'"') {
            ++i;
            while (i < n) {
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        field += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i++];
            }
        } else {
            const qsizetype start = i;
            while (i < n && !isBlankOrControl(text[i]) && text[i] != separator)
                ++i;
            field = text.mid(start, i - start);
        }
        fields.append(field);
        while (i < n && isBlankOrControl(text[i]))
            ++i;
        if (i < n && text[i] == separator) {
            if (i + 1 == n)
                fields.append(QString());
            ++i;
            while (i < n && isBlankOrControl(text[i]))
                ++i;
        }
    }
    return Fields(fields);
}

QString textAfterColon(const QString &message)
{
    const qsizetype colon = message.indexOf(u':');
    return colon < 0 ? message : message.mid(colon + 1);
}
