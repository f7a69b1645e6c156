#include "ControllerHome.h"

#include <QDir>
#include <QFile>

const QByteArray ControllerHome::DefaultSettings =
    "Logging:FALSE\r\nAlwaysontop:FALSE\r\nspeedToMute:0\r\npadSensitivity:0\r\npointNDrive:FALSE\r\n"
    "autoAnswer:FALSE\r\ncheckForUpdates:FALSE\r\nautoCenter:FALSE\r\ndriveTimeOut:500\r\naccelSetting:10\r\n";

ControllerHome::ControllerHome(const Desktop &desktop, const QByteArray &robots, bool withSettings)
    : desktop(desktop)
{
    write(QStringLiteral("quorvelbot.ini"), robots);
    if (withSettings)
        write(QStringLiteral("Settings.ini"), DefaultSettings);
    QDir(home.path()).mkdir(QStringLiteral("runtime"));
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void ControllerHome::write(const QString &name, const QByteArray &bytes)
{
    QFile file(home.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

void ControllerHome::start(QProcess &process, const QProcessEnvironment &extra) const
{
    QProcessEnvironment env = desktop.environment();
    env.insert(QStringLiteral("QUORVELBOT_HOME"), home.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
    env.insert(QStringLiteral("TMPDIR"), home.filePath(QStringLiteral("runtime")));
    env.insert(extra);
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(QStringLiteral(CONTROLLER), {});
}

QString artefact(const QString &name)
{
    return QStringLiteral(ARTEFACT_DIR "/%1.png").arg(name);
}
