#pragma once
#include <QByteArray>
#include <QString>

// The controller's text files are 8-bit text in the system's single-byte code
// page; here that is Latin-1. Characters it cannot hold are written as "?".
QByteArray toAnsi(const QString &text);
QString fromAnsi(const QByteArray &bytes);

// 7-bit ASCII as the cloud companion and the login digests expect it: every
// character outside ASCII becomes "?".
QByteArray toAscii7(const QString &text);
