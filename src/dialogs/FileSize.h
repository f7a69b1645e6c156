#pragma once
#include <QString>
#include <QtGlobal>

// The length in bytes of the file at path, opened for reading. Raises a
// LinkError when it cannot be opened (missing, a folder, not readable).
qint64 GetFileSize(const QString &path);
