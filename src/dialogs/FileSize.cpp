#include "dialogs/FileSize.h"

#include "link/LinkError.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>

qint64 GetFileSize(const QString &path)
{
    QFile file(path);
    // a folder opens on some systems, but it is no file with a length
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        throw LinkError(
            QStringLiteral("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    return file.size();
}
