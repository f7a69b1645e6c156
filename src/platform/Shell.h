#pragma once
#include <QString>

// Starts a program the way the desktop shell does: with its window hidden,
// not waited for, its outcome ignored.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void open(const QString &program, const QString &parameters, const QString &workingFolder = {}) = 0;
};

class ProcessShell : public Shell {
public:
    void open(const QString &program, const QString &parameters, const QString &workingFolder) override;
};
