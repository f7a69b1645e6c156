#include "ui/ControllerApplication.h"

#include "link/LinkError.h"

#include <cstdio>

ControllerApplication::ControllerApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("QuorvelBot_Vindra_Controller"));
}

bool ControllerApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        // The operator is not troubled with it; a developer sees it here.
        std::fprintf(stderr, "quorvelbot-controller: error left unhandled: %s\n", qPrintable(errorText(error)));
        return false;
    } catch (...) {
        std::fputs("quorvelbot-controller: error left unhandled\n", stderr);
        return false;
    }
}
