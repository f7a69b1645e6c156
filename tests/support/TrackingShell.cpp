#include "TrackingShell.h"

#include <QFile>

TrackingShell::~TrackingShell()
{
    for (const Start &start : starts)
        end(start.started);
}

StartedProgram TrackingShell::open(const QString &program, const QStringList &arguments, const QString &workingFolder)
{
    const StartedProgram started = ProcessShell::open(program, arguments, workingFolder);
    starts << Start{program, arguments, workingFolder, started};
    return started;
}

StartedProgram TrackingShell::lastStartOf(const QString &program) const
{
    for (auto start = starts.crbegin(); start != starts.crend(); ++start)
        if (start->program == program)
            return start->started;
    return {};
}

bool isRunning(const StartedProgram &program)
{
    if (!program.isValid())
        return false;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(program.pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    // after the command in parentheses: the state, then the start time as the 20th field
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 19 && fields[0] != "Z" && fields[0] != "X" && fields[19].toULongLong() == program.startTicks;
}
