#include "platform/Shell.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <csignal>
#include <sys/types.h>

namespace {

// The start time of a process, from /proc/<pid>/stat: after the command in
// parentheses, the 20th field. 0 when the process is gone.
quint64 startTicksOf(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 19 ? fields[19].toULongLong() : 0;
}

} // namespace

StartedProgram ProcessShell::open(const QString &program, const QStringList &arguments, const QString &workingFolder)
{
    qint64 pid = 0;
    if (program.isEmpty() || !QProcess::startDetached(program, arguments, workingFolder, &pid))
        return {};
    return {pid, startTicksOf(pid)};
}

void ProcessShell::end(const StartedProgram &program)
{
    if (program.isValid() && program.startTicks != 0 && startTicksOf(program.pid) == program.startTicks)
        ::kill(pid_t(program.pid), SIGKILL);
}

QString ProcessShell::pythonInterpreter()
{
    // where the shell would find it on the search path
    return QStandardPaths::findExecutable(QStringLiteral("python3"));
}
