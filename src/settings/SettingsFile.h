#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

#include "settings/ControllerSettings.h"

// The options file "Settings.ini": "key:value" lines, "#" comments. Lines
// are written with CR LF and read ending in CR LF, LF or CR. Reading and
// writing are pure; opening the file and showing messages is the caller's
// part.

struct SettingsFileContents {
    ControllerSettings settings;
    // The value text of the file's first entry, whatever its key; the writer
    // puts it on the Logging line.
    QString loggingText;
    // Counted line numbers of lines without ":", in file order; each is shown
    // as "Bad Entry in settings file at line " + number.
    QList<int> badLines;
};

// Reads over the options in force: a key the file lacks keeps its value, as
// does a number that is not one the option can take, and a file without any
// entry keeps the Logging text read before.
SettingsFileContents readSettingsFile(const QByteArray &bytes, const ControllerSettings &previous,
                                      const QString &previousLoggingText);

// Always the same ten lines, Logging first; comments and unknown keys of the
// file read before are not kept.
QByteArray writeSettingsFile(const ControllerSettings &settings, const QString &loggingText);
