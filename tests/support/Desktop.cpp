#include "Desktop.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QThread>

#include <xcb/xcb.h>

#include <cstdlib>

Desktop::Desktop(int dpi)
{
    // Xvfb picks a free display itself and tells its number on -displayfd, so
    // tests on desktops of their own can run side by side.
    server.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                          QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-noreset"),
                                          QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!server.waitForStarted(3000))
        return;
    QByteArray number;
    QElapsedTimer clock;
    clock.start();
    while (!number.endsWith('\n') && clock.elapsed() < 10000 && server.state() == QProcess::Running) {
        server.waitForReadyRead(100);
        number += server.readAllStandardOutput();
    }
    if (!number.endsWith('\n'))
        return;
    name = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
    up = true;

    QProcess xrdb;
    xrdb.setProcessEnvironment(environment());
    xrdb.start(QStringLiteral("xrdb"), {QStringLiteral("-merge")});
    xrdb.write(QStringLiteral("Xft.dpi: %1\n").arg(dpi).toLatin1());
    xrdb.closeWriteChannel();
    xrdb.waitForFinished(5000);
}

Desktop::~Desktop()
{
    manager.terminate();
    manager.waitForFinished(3000);
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
        QTest::qWait(100); // the test's own servers keep answering meanwhile
    } while (clock.elapsed() < milliseconds);
    return QString();
}

QRect Desktop::windowGeometry(const QString &window) const
{
    QRect geometry;
    const QStringList lines = xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window})
                                  .split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const int value = line.section(QLatin1Char('='), 1).toInt();
        if (line.startsWith(QLatin1String("X=")))
            geometry.moveLeft(value);
        else if (line.startsWith(QLatin1String("Y=")))
            geometry.moveTop(value);
        else if (line.startsWith(QLatin1String("WIDTH=")))
            geometry.setWidth(value);
        else if (line.startsWith(QLatin1String("HEIGHT=")))
            geometry.setHeight(value);
    }
    return geometry;
}

QSize Desktop::windowSize(const QString &window) const
{
    return windowGeometry(window).size();
}

QSize Desktop::screenSize() const
{
    const QStringList size = xdotool({QStringLiteral("getdisplaygeometry")}).split(QLatin1Char(' '));
    return size.size() == 2 ? QSize(size[0].toInt(), size[1].toInt()) : QSize();
}

bool Desktop::startWindowManager()
{
    manager.setProcessEnvironment(environment());
    manager.start(QStringLiteral("openbox"), {});
    if (!manager.waitForStarted(3000))
        return false;
    // The manager announces itself on the root window before it handles the
    // first window: a window mapped in between is never shown. A probe
    // window managed (given WM_STATE) says it is ready.
    xcb_connection_t *x = xcb_connect(qPrintable(name), nullptr);
    if (xcb_connection_has_error(x)) {
        xcb_disconnect(x);
        return false;
    }
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const xcb_window_t probe = xcb_generate_id(x);
    xcb_create_window(x, XCB_COPY_FROM_PARENT, probe, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      screen->root_visual, 0, nullptr);
    xcb_map_window(x, probe);
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, 8, "WM_STATE"), nullptr);
    const xcb_atom_t wmState = atom ? atom->atom : XCB_ATOM_NONE;
    free(atom);
    bool managed = false;
    QElapsedTimer clock;
    clock.start();
    while (!managed && clock.elapsed() < 10000 && manager.state() == QProcess::Running) {
        xcb_get_property_reply_t *state = xcb_get_property_reply(
            x, xcb_get_property(x, 0, probe, wmState, XCB_ATOM_ANY, 0, 1), nullptr);
        managed = state && state->type != XCB_ATOM_NONE;
        free(state);
        if (!managed)
            QTest::qWait(50);
    }
    xcb_destroy_window(x, probe);
    xcb_disconnect(x);
    return managed;
}

QSize Desktop::outerSize(const QString &window) const
{
    // _NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom
    const QString extents = run(QStringLiteral("xprop"), {QStringLiteral("-id"), window, QStringLiteral("_NET_FRAME_EXTENTS")});
    const QStringList sides = extents.section(QLatin1Char('='), 1).split(QLatin1Char(','));
    const QSize inner = windowSize(window);
    if (sides.size() != 4)
        return inner;
    return inner + QSize(sides[0].trimmed().toInt() + sides[1].trimmed().toInt(),
                         sides[2].trimmed().toInt() + sides[3].trimmed().toInt());
}

QString Desktop::focusedWindowTitle() const
{
    return xdotool({QStringLiteral("getwindowfocus"), QStringLiteral("getwindowname")});
}

void Desktop::click(const QString &window, int x, int y) const
{
    pointerTo(window, x, y);
    xdotool({QStringLiteral("click"), QStringLiteral("1")});
}

void Desktop::pointerTo(const QString &window, int x, int y) const
{
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QStringLiteral("--window"), window,
             QString::number(x), QString::number(y)});
}

void Desktop::button(bool down) const
{
    xdotool({down ? QStringLiteral("mousedown") : QStringLiteral("mouseup"), QStringLiteral("1")});
}

void Desktop::type(const QString &text) const
{
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), text});
}

void Desktop::key(const QString &name) const
{
    xdotool({QStringLiteral("key"), name});
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
