#include "platform/SafeFile.h"

#include "link/LinkError.h"

#include <QSaveFile>

namespace {

[[noreturn]] void failed(const QString &path, const QString &cause)
{
    throw LinkError(QStringLiteral("Could not write %1: %2").arg(path, cause));
}

} // namespace

void writeFileReplacing(const QString &path, const QByteArray &bytes, bool ownerOnly)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        failed(path, file.errorString());
    // Narrowed before the first byte goes in, so the passwords are never
    // readable by others, not even in the new file before the rename.
    if (ownerOnly && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        failed(path, file.errorString());
    // A short file waits in the write buffer; its write fails (a full disk)
    // only as the buffer is flushed, which the commit would not notice.
    if (file.write(bytes) != bytes.size() || !file.flush())
        failed(path, file.errorString());
    if (!file.commit())
        failed(path, file.errorString());
}
