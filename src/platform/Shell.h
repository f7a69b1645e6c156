#pragma once
#include <QString>
#include <QStringList>
#include <QtGlobal>

// A program started by the controller, known well enough to end it later
// and never another process that happens to get the same id.
struct StartedProgram {
    qint64 pid = 0;
    quint64 startTicks = 0; // when the system started it
    bool isValid() const { return pid > 0; }
};

// Starts programs the way the desktop shell does: with their window hidden,
// not waited for; and ends the ones it started. Each argument reaches the
// program as one word, whatever blanks or quotes it holds.
class Shell {
public:
    virtual ~Shell() = default;
    // An invalid program when it could not be started at all.
    virtual StartedProgram open(const QString &program, const QStringList &arguments,
                                const QString &workingFolder = {}) = 0;
    // Ends the program if it still runs; does nothing otherwise.
    virtual void end(const StartedProgram &program) = 0;
    // The full file name of the Python 3 interpreter; empty when none is installed.
    virtual QString pythonInterpreter() = 0;
};

class ProcessShell : public Shell {
public:
    StartedProgram open(const QString &program, const QStringList &arguments, const QString &workingFolder) override;
    void end(const StartedProgram &program) override;
    QString pythonInterpreter() override;
};
