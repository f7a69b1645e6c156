// The window's side of "Settings.ini": the boxes that tell what could not
// be read or written.
#include "ui/TForm2.h"

#include "link/LinkError.h"
#include "platform/MessageBoxes.h"

bool TForm2::Importsettings()
{
    QList<int> badLines;
    if (!settingsStore.load(badLines)) {
        showBox(errorBox(QStringLiteral("Settings.ini file not found")));
        return false;
    }
    for (const int line : badLines)
        showMessage(QStringLiteral("Bad Entry in settings file at line ") + QString::number(line));
    return true;
}

void TForm2::writeBackSetting()
{
    try {
        settingsStore.save();
    } catch (const LinkError &) {
        showMessage(QStringLiteral("Error writing to setting file"));
    }
}
