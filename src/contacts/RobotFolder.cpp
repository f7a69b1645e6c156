#include "contacts/RobotFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Deletes path: a file or a link by itself, a real folder with its contents.
void removeTree(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isDir()) {
        QFile::remove(path);
        return;
    }
    const QFileInfoList children =
        QDir(path).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &child : children)
        removeTree(child.filePath());
    QDir().rmdir(path);
}

} // namespace

QString robotFolderNameFault(const QString &description)
{
    if (description.isEmpty())
        return QStringLiteral("The robot has no description");
    if (QDir::isAbsolutePath(description))
        return QStringLiteral("The robot's description \"%1\" is an absolute path").arg(description);
    for (const QString &part : {QStringLiteral("/"), QStringLiteral("\\"), QStringLiteral("..")}) {
        if (description.contains(part))
            return QStringLiteral("The robot's description \"%1\" contains \"%2\"").arg(description, part);
    }
    // "Data/." would be the folder of every robot.
    if (description == u'.')
        return QStringLiteral("The robot's description \".\" names no folder of its own");
    return {};
}

RobotFolderRemoval removeRobotFolder(const QString &applicationFolder, const QString &description)
{
    const QString fault = robotFolderNameFault(description);
    if (!fault.isEmpty())
        return {true, fault + QStringLiteral(", so no folder was removed.")};
    const QString folder = QDir(applicationFolder).filePath(QStringLiteral("Data/") + description);
    removeTree(folder);
    return {};
}
