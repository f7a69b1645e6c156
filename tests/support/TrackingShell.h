#pragma once
#include "platform/Shell.h"

#include <QList>

// The real shell, remembering every program it started, so a test can find a
// companion's process and see whether it still runs. The programs still
// running are ended when the shell goes.
class TrackingShell : public ProcessShell {
public:
    struct Start {
        QString program;
        QStringList arguments;
        QString workingFolder;
        StartedProgram started;
    };

    ~TrackingShell() override;
    StartedProgram open(const QString &program, const QStringList &arguments, const QString &workingFolder) override;
    // The latest start of program; an invalid one when there was none.
    StartedProgram lastStartOf(const QString &program) const;

    QList<Start> starts;
};

// Whether the program still runs: the same process, not yet ended (a process
// that ended but was not yet reaped counts as ended).
bool isRunning(const StartedProgram &program);
