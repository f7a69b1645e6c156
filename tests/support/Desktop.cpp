#include "Desktop.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace {
constexpr int FirstDisplay = 80;
constexpr int LastDisplay = 120;
} // namespace

Desktop::Desktop(int dpi)
{
    for (int number = FirstDisplay; number <= LastDisplay && !up; ++number) {
        if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number))
            || QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
            continue;
        name = QStringLiteral(":%1").arg(number);
        server.start(QStringLiteral("Xvfb"), {name, QStringLiteral("-screen"), QStringLiteral("0"),
                                              QStringLiteral("1280x1024x24"), QStringLiteral("-noreset"),
                                              QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!server.waitForStarted(3000))
            return;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000 && server.state() == QProcess::Running) {
            if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number))) {
                up = true;
                break;
            }
            QThread::msleep(50);
        }
    }
    if (up) {
        QProcess xrdb;
        xrdb.setProcessEnvironment(environment());
        xrdb.start(QStringLiteral("xrdb"), {QStringLiteral("-merge")});
        xrdb.write(QStringLiteral("Xft.dpi: %1\n").arg(dpi).toLatin1());
        xrdb.closeWriteChannel();
        xrdb.waitForFinished(5000);
    }
}

Desktop::~Desktop()
{
    server.terminate();
    server.waitForFinished(3000);
}

QProcessEnvironment Desktop::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.insert(QStringLiteral("DISPLAY"), name);
    return env;
}

QString Desktop::run(const QString &program, const QStringList &arguments) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

QString Desktop::xdotool(const QStringList &arguments) const
{
    return run(QStringLiteral("xdotool"), arguments);
}

QString Desktop::findWindow(const QString &title, int milliseconds) const
{
    QElapsedTimer clock;
    clock.start();
    do {
        const QString found = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                       QStringLiteral("--name"), QLatin1Char('^') + title + QLatin1Char('$')});
        if (!found.isEmpty())
            return found.section(QLatin1Char('\n'), 0, 0);
        QThread::msleep(100);
    } while (clock.elapsed() < milliseconds);
    return QString();
}

QSize Desktop::windowSize(const QString &window) const
{
    int width = 0, height = 0;
    const QStringList lines = xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window})
                                  .split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("WIDTH=")))
            width = line.mid(6).toInt();
        else if (line.startsWith(QLatin1String("HEIGHT=")))
            height = line.mid(7).toInt();
    }
    return QSize(width, height);
}

QString Desktop::focusedWindowTitle() const
{
    return xdotool({QStringLiteral("getwindowfocus"), QStringLiteral("getwindowname")});
}

bool Desktop::closeWindow(const QString &window) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(QStringLiteral(CLOSE_WINDOW_TOOL), {window});
    return process.waitForFinished(5000) && process.exitCode() == 0;
}

bool Desktop::screenshot(const QString &path, const QString &window) const
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(QStringLiteral("import"),
                  {QStringLiteral("-window"), window.isEmpty() ? QStringLiteral("root") : window, path});
    return process.waitForFinished(10000) && process.exitCode() == 0;
}
