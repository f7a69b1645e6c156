#include "paths/ControllerApplication.h"
#include "platform/SystemPlatform.h"
#include "ui/TForm2.h"

#include <QDir>

int main(int argc, char *argv[])
{
    // The views scale themselves by the screen's pixels per inch.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    ControllerApplication app(argc, argv);

    const QByteArray home = qgetenv("QUORVELBOT_HOME");
    QDir::setCurrent(home.isEmpty() ? QCoreApplication::applicationDirPath() : QString::fromLocal8Bit(home));

    SystemPlatform system;
    TForm2 window(system.platform());
    window.show();
    return app.exec();
}
