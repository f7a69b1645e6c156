#include "platform/FormFaces.h"

#include <QFontDatabase>
#include <QStringList>

void installFormFaces()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma")))
        return;
    for (const char *file : {"tahoma.ttf", "tahomabd.ttf"})
        QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/") + QLatin1String(file));
}
