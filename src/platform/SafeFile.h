#pragma once
#include <QByteArray>
#include <QString>

// Replaces the file at path with bytes: they are written to a new file beside
// it, which is then renamed over the old one, so a failed or interrupted
// write leaves the old file whole. With ownerOnly the file is readable and
// writable by its owner alone (the robot list holds saved passwords).
// A failure raises a LinkError naming the file and the cause.
void writeFileReplacing(const QString &path, const QByteArray &bytes, bool ownerOnly);
