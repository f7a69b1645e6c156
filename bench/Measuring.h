#pragma once
#include "Desktop.h"

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// What the figures are measured with: a desktop of their own, and an
// application folder for the controller made from the first-run files.
struct Bench {
    Desktop desktop;
    QTemporaryDir home;
    QString controller; // the programs measured
    QString signInFloor;
    QString keyFloor;
    QProcessEnvironment extraEnvironment; // for every program started

    // Starts program on the desktop with home as its application folder.
    void start(QProcess &process, const QString &program) const;
    // Writes one of the application folder's files.
    void write(const QString &name, const QByteArray &bytes) const;
};

// Peak memory (VmHWM) of a running process in MB; 0 when unknown.
double peakMemoryMb(qint64 pid);
// The processor time a process has used so far, in seconds.
double processorSeconds(qint64 pid);
