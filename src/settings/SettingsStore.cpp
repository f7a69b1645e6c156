// The controller's options in "Settings.ini": read at start-up and read back
// after every write.
#include "ui/TForm2.h"

#include "link/LinkError.h"
#include "platform/MessageBoxes.h"
#include "platform/SafeFile.h"
#include "settings/SettingsFile.h"

#include <QFile>

namespace {
const QString SettingsFileName = QStringLiteral("Settings.ini");
}

bool TForm2::Importsettings()
{
    QFile file(SettingsFileName);
    if (!file.open(QIODevice::ReadOnly)) {
        showBox({QStringLiteral("Settings.ini file not found"), QStringLiteral("Error"), BoxIcon::Error});
        return false;
    }
    const SettingsFileContents contents = readSettingsFile(file.readAll(), settings, settingsLoggingText);
    for (const int line : contents.badLines)
        showMessage(QStringLiteral("Bad Entry in settings file at line ") + QString::number(line));
    settings = contents.settings;
    settingsLoggingText = contents.loggingText;
    return true;
}

void TForm2::writeBackSetting()
{
    try {
        writeFileReplacing(SettingsFileName, writeSettingsFile(settings, settingsLoggingText), false);
    } catch (const LinkError &) {
        showMessage(QStringLiteral("Error writing to setting file"));
    }
}
