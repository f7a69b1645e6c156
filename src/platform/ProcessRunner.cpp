#include "platform/ProcessRunner.h"

#include <QEventLoop>
#include <QProcess>

namespace {

constexpr int NotStarted = -1;

// One word for QProcess::splitCommand: double quotes around it, and three
// double quotes for each double quote inside.
QString quotedWord(QString word)
{
    return QLatin1Char('"') + word.replace(QLatin1String("\""), QLatin1String("\"\"\"")) + QLatin1Char('"');
}

} // namespace

int ChildProcessRunner::run(const QString &commandLine)
{
    QStringList arguments = QProcess::splitCommand(commandLine);
    if (arguments.isEmpty())
        return NotStarted;
    const QString program = arguments.takeFirst();

    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QEventLoop waiting;
    bool failedToStart = false;
    QObject::connect(&process, &QProcess::finished, &waiting, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &waiting, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            failedToStart = true;
            waiting.quit();
        }
    });
    process.start(program, arguments);
    if (process.state() != QProcess::NotRunning)
        waiting.exec();

    // The loop also ends when the application quits; the child is then
    // ended with the process object and counts as not answered.
    if (failedToStart || process.state() != QProcess::NotRunning || process.exitStatus() != QProcess::NormalExit)
        return NotStarted;
    return process.exitCode();
}

QString reachabilityCommand(const QString &address)
{
    return QStringLiteral("ping -c 1 -W 2 -- ") + quotedWord(address);
}
