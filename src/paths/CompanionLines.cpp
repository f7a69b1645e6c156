#include "paths/CompanionLines.h"

namespace {

QString decodeLine(QByteArray bytes)
{
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    QString line;
    line.reserve(bytes.size());
    for (const char c : bytes)
        line += static_cast<unsigned char>(c) < 128 ? QChar(c) : QChar(u'?');
    qsizetype first = 0, last = line.size();
    while (first < last && line[first].unicode() <= 32)
        ++first;
    while (last > first && line[last - 1].unicode() <= 32)
        --last;
    return line.mid(first, last - first);
}

} // namespace

CompanionLineCut cutCompanionLine(const QByteArray &pending, qsizetype lineLimit)
{
    const qsizetype end = pending.indexOf('\n');
    qsizetype length = end < 0 ? pending.size() : end;
    if (length > 0 && pending[length - 1] == '\r')
        --length;
    if (length > lineLimit)
        return {CompanionLineCut::TooLong, {}, 0};
    if (end < 0)
        return {};
    return {CompanionLineCut::Line, decodeLine(pending.left(end)), end + 1};
}
