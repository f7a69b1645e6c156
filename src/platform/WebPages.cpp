#include "platform/WebPages.h"

#include <QDesktopServices>

bool openWebPage(const QUrl &address)
{
    return QDesktopServices::openUrl(address);
}
