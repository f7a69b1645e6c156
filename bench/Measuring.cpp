#include "Measuring.h"

#include <QFile>
#include <unistd.h>

void Bench::start(QProcess &process, const QString &program) const
{
    QProcessEnvironment env = desktop.environment();
    env.insert(QStringLiteral("QUORVELBOT_HOME"), home.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    env.insert(extraEnvironment);
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, {});
}

void Bench::write(const QString &name, const QByteArray &bytes) const
{
    QFile file(home.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

namespace {

QByteArray procFile(qint64 pid, const char *name)
{
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

double peakMemoryMb(qint64 pid)
{
    for (const QByteArray &line : procFile(pid, "status").split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

double processorSeconds(qint64 pid)
{
    // the fields after the command's closing parenthesis; utime and stime are
    // the 14th and 15th of the whole line
    const QByteArray stat = procFile(pid, "stat");
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return 0;
    return (fields[11].toDouble() + fields[12].toDouble()) / double(sysconf(_SC_CLK_TCK));
}
