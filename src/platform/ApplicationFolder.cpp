#include "platform/ApplicationFolder.h"

#include <QCoreApplication>
#include <QDir>

QString applicationFolder()
{
    const QString home = qEnvironmentVariable("QUORVELBOT_HOME");
    return QDir(home.isEmpty() ? QCoreApplication::applicationDirPath() : home).absolutePath();
}
