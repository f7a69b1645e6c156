#include "platform/Shell.h"

#include <QProcess>

void ProcessShell::open(const QString &program, const QString &parameters, const QString &workingFolder)
{
    QProcess::startDetached(program, QProcess::splitCommand(parameters), workingFolder);
}
