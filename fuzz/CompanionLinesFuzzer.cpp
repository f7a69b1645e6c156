// Cuts arbitrary bytes into the cloud companion's lines twice: all at once,
// and as they might arrive from the socket, in pieces. Both give the same
// lines, and both drop the connection, or keep the same rest waiting. Every
// line is trimmed 7-bit text without a line feed.
//
// The first byte sets the line limit, the second the sizes of the pieces.
#include "FuzzInput.h"
#include "paths/CompanionLines.h"

#include <QStringList>

namespace {

struct Received {
    QStringList lines;
    bool dropped = false;
    QByteArray waiting;
};

// As the server reads: append what came, hand on each whole line.
void receive(Received &received, const QByteArray &piece, qsizetype limit)
{
    if (received.dropped)
        return;
    received.waiting += piece;
    for (;;) {
        const CompanionLineCut cut = cutCompanionLine(received.waiting, limit);
        if (cut.outcome == CompanionLineCut::TooLong) {
            received.dropped = true;
            return;
        }
        if (cut.outcome == CompanionLineCut::Incomplete)
            return;
        require(cut.length > 0 && received.waiting[cut.length - 1] == '\n');
        received.waiting.remove(0, cut.length);
        received.lines.append(cut.line);
    }
}

bool isCleanLine(const QString &line)
{
    for (const QChar ch : line)
        if (ch.unicode() >= 128 || ch == u'\n')
            return false;
    return line.isEmpty() || (line.front().unicode() > 32 && line.back().unicode() > 32);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const qsizetype limit = data[0];
    unsigned pieceSeed = data[1];
    const QByteArray stream = inputBytes(data + 2, size - 2);

    Received whole;
    receive(whole, stream, limit);
    Received pieces;
    for (qsizetype at = 0; at < stream.size();) {
        const qsizetype length = 1 + pieceSeed % 7;
        pieceSeed = pieceSeed * 5 + 3;
        receive(pieces, stream.mid(at, length), limit);
        at += length;
    }

    require(pieces.lines == whole.lines);
    require(pieces.dropped == whole.dropped);
    require(whole.dropped || pieces.waiting == whole.waiting);
    for (const QString &line : whole.lines)
        require(isCleanLine(line));
    return 0;
}
