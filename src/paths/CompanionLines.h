#pragma once
#include <QByteArray>
#include <QString>

// How the bytes the cloud companion sends are cut into lines: each ends at an
// LF, a CR before it allowed, and is decoded as 7-bit ASCII ("?" for any
// other byte) and trimmed of blanks and control characters. Kept apart from
// the server's sockets so that it can be tested and fuzzed on its own.

struct CompanionLineCut {
    enum Outcome {
        Line,       // a whole line is at the front
        Incomplete, // no LF yet: wait for more bytes
        TooLong,    // the line at the front, whole or not, exceeds the limit
    };
    Outcome outcome = Incomplete;
    QString line;         // Line: the decoded line
    qsizetype length = 0; // Line: the bytes it took from the front, its LF included
};

// The line at the front of pending. A line of more than lineLimit bytes, not
// counting a CR before its LF, is too long even before its LF arrives.
CompanionLineCut cutCompanionLine(const QByteArray &pending, qsizetype lineLimit);
