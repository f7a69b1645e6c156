#pragma once
#include <QString>
#include <QtGlobal>

// What each control path puts on the wire around a command text T.

// Direct socket: seconds "." milliseconds ":" T, in local wall-clock time.
QString socketFrame(qint64 localMsecs, const QString &text);
// Cloud service: the session id in upper-case hexadecimal, at least five
// digits, ":" T.
QString cloudFrame(int cloudSessionId, const QString &text);
