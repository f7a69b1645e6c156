#include "SimulatorProcess.h"

#include <QTest>

SimulatorProcess::~SimulatorProcess()
{
    if (process.state() == QProcess::NotRunning)
        return;
    command(QStringLiteral("quit"));
    if (!process.waitForFinished(2000))
        process.kill();
    process.waitForFinished(1000);
}

bool SimulatorProcess::start(const QStringList &options)
{
    process.start(qEnvironmentVariable("QUORVELBOT_SIM"), QStringList{QStringLiteral("--headless")} + options);
    return process.waitForStarted() && waitForLog(QStringLiteral("listening on ws://127.0.0.1:9000/"));
}

bool SimulatorProcess::waitForLog(const QString &text, int milliseconds, qsizetype from)
{
    return QTest::qWaitFor([&] { return log().indexOf(text, from) >= 0; }, milliseconds);
}

void SimulatorProcess::command(const QString &line)
{
    process.write(line.toUtf8() + '\n');
}

const QString &SimulatorProcess::log()
{
    seen += QString::fromUtf8(process.readAllStandardOutput());
    return seen;
}
