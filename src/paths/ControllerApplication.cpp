#include "paths/ControllerApplication.h"

ControllerApplication::ControllerApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("QuorvelBot_Vindra_Controller"));
}

bool ControllerApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        return false;
    }
}
