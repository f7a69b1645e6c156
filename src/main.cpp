#include "paths/CommandLine.h"
#include "platform/ApplicationFolder.h"
#include "platform/SessionShutdown.h"
#include "platform/SystemPlatform.h"
#include "ui/ControllerApplication.h"
#include "ui/TForm2.h"

#include <QDir>

int main(int argc, char *argv[])
{
    if (const std::optional<int> answered = answerCommandLine(argc, argv))
        return *answered;
    // The views scale themselves by the screen's pixels per inch.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    ControllerApplication app(argc, argv);
    endProcessWhenSessionEnds();
    QDir::setCurrent(applicationFolder());

    SystemPlatform system;
    TForm2 window(system.platform());
    QObject::connect(&window, &TForm2::mustEnd, &QCoreApplication::exit);
    if (const std::optional<int> exitStatus = window.FormCreate())
        return *exitStatus;
    window.show();
    return app.exec();
}
