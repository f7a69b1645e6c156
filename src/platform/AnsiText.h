#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// The controller's text files are 8-bit text in the system's single-byte code
// page; here that is Latin-1. Characters it cannot hold are written as "?".
QByteArray toAnsi(const QString &text);
QString fromAnsi(const QByteArray &bytes);
// The lines of such a file, cut at CR LF, CR or LF; the text after the last
// line end is a line too (empty when the file ends with one).
QStringList textFileLines(const QByteArray &bytes);

// 7-bit ASCII as the cloud companion and the login digests expect it: every
// character outside ASCII becomes "?".
QByteArray toAscii7(const QString &text);
