#pragma once
#include "Desktop.h"

#include <QProcess>
#include <QTemporaryDir>

// An application folder for the built controller, and the controller
// started on it on a desktop. Each test's controllers share the test's
// single-instance lock and no other's.
class ControllerHome {
public:
    static const QByteArray DefaultSettings;

    ControllerHome(const Desktop &desktop, const QByteArray &robots, bool withSettings = true);
    void write(const QString &name, const QByteArray &bytes);
    void start(QProcess &process, const QProcessEnvironment &extra = {}) const;
    QString path() const { return home.path(); }

private:
    QTemporaryDir home;
    const Desktop &desktop;
};

QString artefact(const QString &name);
