#include "settings/SettingsStore.h"

#include "platform/SafeFile.h"
#include "settings/SettingsFile.h"

#include <QFile>

const QString SettingsStore::FileName = QStringLiteral("Settings.ini");

bool SettingsStore::load(QList<int> &badLines)
{
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const SettingsFileContents contents = readSettingsFile(file.readAll(), settings, settingsLoggingText);
    badLines = contents.badLines;
    settings = contents.settings;
    settingsLoggingText = contents.loggingText;
    return true;
}

void SettingsStore::save() const
{
    writeFileReplacing(FileName, writeSettingsFile(settings, settingsLoggingText), false);
}
