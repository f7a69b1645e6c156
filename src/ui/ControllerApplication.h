#pragma once
#include <QApplication>

// The application object. An error that no handler caught and that reaches
// the event loop is discarded without a word: the controller goes on.
class ControllerApplication : public QApplication {
public:
    ControllerApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
