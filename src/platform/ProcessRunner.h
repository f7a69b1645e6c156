#pragma once
#include <QString>

// Runs a command line as a child process and waits for it to end while the
// window goes on handling its events (timers, clicks), then returns the exit
// code. The command line is split into words like a shell would, and the
// program is searched on the path; its output is discarded. A program that
// cannot be started, or that does not exit normally, gives -1.
class ProcessRunner {
public:
    virtual ~ProcessRunner() = default;
    virtual int run(const QString &commandLine) = 0;
};

class ChildProcessRunner : public ProcessRunner {
public:
    int run(const QString &commandLine) override;
};

// The command that checks whether address answers one echo request within
// two seconds; it exits with 0 when the answer came. The address stays one
// word and is never read as an option, whatever it contains.
QString reachabilityCommand(const QString &address);
