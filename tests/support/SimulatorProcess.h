#pragma once
#include <QProcess>
#include <QString>
#include <QStringList>

// The robot simulator as a process of its own, headless on 127.0.0.1:9000;
// the build names it in QUORVELBOT_SIM. Its log lines are kept as they come
// and its scripting commands go to its standard input.
class SimulatorProcess {
public:
    ~SimulatorProcess();
    // Starts it with the options and waits until it listens.
    bool start(const QStringList &options = {});
    // Waits up to milliseconds for text to appear in its log, from the
    // position from on (the log's size at some earlier moment).
    bool waitForLog(const QString &text, int milliseconds = 5000, qsizetype from = 0);
    void command(const QString &line);
    const QString &log();

private:
    QProcess process;
    QString seen;
};
