#pragma once
#include <QList>
#include <QString>

#include "settings/ControllerSettings.h"

// The controller's options and their file "Settings.ini" in the working
// folder: read at start-up and read back after every write.
class SettingsStore {
public:
    static const QString FileName;

    ControllerSettings settings;
    QString settingsLoggingText; // carried onto the Logging line of "Settings.ini"

    // false when the file cannot be opened; the numbers of lines that could
    // not be read are left in badLines
    bool load(QList<int> &badLines);
    // Replaces the file whole; a LinkError when it cannot be written.
    void save() const;
};
