#include "platform/ApplicationFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {

// The first-run files of an installed program, or an empty path.
QString installedDefaults(const QString &programFolder)
{
    QDir program(programFolder);
    if (program.dirName() != QLatin1String(InstalledName) || !program.cdUp() ||
        program.dirName() != QLatin1String("lib"))
        return QString();
    const QString defaults =
        QDir(program.filePath(QStringLiteral("../share/%1/defaults").arg(InstalledName))).absolutePath();
    return QDir(defaults).exists() ? defaults : QString();
}

// Copies the first-run files the user's folder does not have yet; the
// user's own are never replaced.
void addMissingFiles(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QString &name : QDir(from).entryList(QDir::Files)) {
        const QString target = QDir(to).filePath(name);
        if (!QFile::exists(target) && QFile::copy(QDir(from).filePath(name), target))
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    }
}

} // namespace

QString applicationFolderFor(const QString &programFolder)
{
    const QString home = qEnvironmentVariable("QUORVELBOT_HOME");
    if (!home.isEmpty())
        return QDir(home).absolutePath();
    const QString defaults = installedDefaults(programFolder);
    if (defaults.isEmpty())
        return QDir(programFolder).absolutePath();
    const QString data = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                             .filePath(QLatin1String(InstalledName));
    addMissingFiles(defaults, data);
    return data;
}

QString applicationFolder()
{
    return applicationFolderFor(QCoreApplication::applicationDirPath());
}
