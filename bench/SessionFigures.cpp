#include "SessionFigures.h"

#include "FakeWebServer.h"
#include "RecordingRobot.h"
#include "WindowActions.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWebSocket>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <algorithm>
#include <cmath>

namespace {

constexpr int KeyPresses = 40;
constexpr int FloodReports = 100000;
constexpr int IdleSeconds = 10;
constexpr int TickSeconds = 10;

const QStringList Reports{QStringLiteral("WOfficeLAN:60"), QStringLiteral("bd12,3.5,45"),
                          QStringLiteral("K05050500")};

// Runs the event loop until done() holds or milliseconds pass, waking for
// every event (no polling pause, so arrival times are exact).
bool runUntil(const std::function<bool()> &done, int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer wake;
    wake.start(5); // to see the time pass while nothing happens
    while (!done()) {
        if (clock.elapsed() > milliseconds)
            return false;
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// Keys pressed on the desktop's keyboard, as the X server's test extension
// makes them: no program in between.
class Keyboard {
public:
    explicit Keyboard(const QString &display)
        : x(XOpenDisplay(qPrintable(display)))
    {
    }
    ~Keyboard() { XCloseDisplay(x); }
    void press(KeySym key, bool down)
    {
        XTestFakeKeyEvent(x, XKeysymToKeycode(x, key), down, CurrentTime);
        XFlush(x);
    }

private:
    Display *x;
};

// Milliseconds from each key press to the camera command it sends arriving at
// the robot: "d" and "a" by turns, so the camera never reaches its end.
QList<double> keyToWire(Bench &bench, RecordingRobot &robot, const QString &window)
{
    bench.desktop.xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    Keyboard keyboard(bench.desktop.display());
    QList<double> latencies;
    QElapsedTimer clock;
    bool arrived = false;
    const auto connection = QObject::connect(&robot, &RecordingRobot::commandReceived, [&](const QString &command) {
        if (!arrived && command.startsWith(QStringLiteral("MKP"))) {
            arrived = true;
            latencies << double(clock.nsecsElapsed()) / 1e6;
        }
    });
    for (int i = 0; i < KeyPresses; ++i) {
        const KeySym key = i % 2 ? XK_a : XK_d;
        arrived = false;
        clock.start();
        keyboard.press(key, true);
        runUntil([&] { return arrived; }, 2000);
        keyboard.press(key, false);
        runUntil([] { return false; }, 30); // the release reaches the window
    }
    QObject::disconnect(connection);
    return latencies;
}

double floorKeyToWire(Bench &bench, RecordingRobot &robot)
{
    QProcess floor;
    bench.start(floor, bench.keyFloor);
    const QString window = bench.desktop.findWindow(QStringLiteral("Key floor"), 10000);
    if (window.isEmpty() || !runUntil([&] { return robot.frames.contains(QStringLiteral("0.0:hello")); }, 5000))
        qFatal("the key floor did not come up");
    const double latency = median(keyToWire(bench, robot, window));
    floor.kill();
    floor.waitForFinished(5000);
    return latency;
}

// The robot's reports, as many as a busy robot sends in a long session, then
// its goodbye: milliseconds from the last one handed to the socket to the
// controller's goodbye arriving.
double flood(RecordingRobot &robot)
{
    bool goodbye = false;
    const auto connection = QObject::connect(&robot, &RecordingRobot::commandReceived, [&](const QString &command) {
        goodbye = goodbye || command == u"Z";
    });
    for (int i = 0; i < FloodReports; ++i)
        robot.send(Reports[i % Reports.size()]);
    robot.send(QStringLiteral("Z"));
    QElapsedTimer clock;
    clock.start();
    if (!runUntil([&] { return goodbye; }, 120000))
        qFatal("the controller did not answer the goodbye");
    QObject::disconnect(connection);
    return double(clock.nsecsElapsed()) / 1e6;
}

double idleProcessorPercent(qint64 pid)
{
    const double before = processorSeconds(pid);
    runUntil([] { return false; }, IdleSeconds * 1000); // the robot echoes the pings meanwhile
    return (processorSeconds(pid) - before) / IdleSeconds * 100;
}

// The 99th percentile of how far the drive tick's periods at the robot stray
// from 250 ms while the pad is held and another process keeps a core busy.
double tickDeviation(Bench &bench, RecordingRobot &robot, const QString &window)
{
    QProcess load;
    load.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("while :; do :; done")});
    QList<qint64> arrivals;
    QElapsedTimer clock;
    clock.start();
    const auto connection = QObject::connect(&robot, &RecordingRobot::commandReceived, [&](const QString &command) {
        if (command.startsWith(u'L') && command != u"L000R000")
            arrivals << clock.nsecsElapsed();
    });
    dragOnPad(bench.desktop, window, QPoint(0, -60));
    runUntil([] { return false; }, TickSeconds * 1000);
    bench.desktop.button(false);
    QObject::disconnect(connection);
    load.kill();
    load.waitForFinished(5000);

    QList<double> deviations;
    for (qsizetype i = 1; i < arrivals.size(); ++i)
        deviations << std::abs(double(arrivals[i] - arrivals[i - 1]) / 1e6 - 250);
    if (deviations.isEmpty())
        qFatal("no drive ticks arrived");
    std::sort(deviations.begin(), deviations.end());
    return deviations[std::min(deviations.size() - 1, qsizetype(std::ceil(deviations.size() * 0.99)) - 1)];
}

} // namespace

QList<Figure> sessionFigures(Bench &bench, int runs)
{
    Figure key{QStringLiteral("key press to frame on the wire"), QStringLiteral("ms"), {}, {}, 1.2, 2};
    Figure floodFigure{QStringLiteral("flood of 100 000 reports to the goodbye"), QStringLiteral("ms"), {}, {}, 250, 0};
    Figure idle{QStringLiteral("idle processor in the drive view"), QStringLiteral("%"), {}, {}, 1, 2};
    Figure tick{QStringLiteral("drive tick p99 deviation under load"), QStringLiteral("ms"), {}, {}, 10, 1};

    FakeWebServer nameServer;
    nameServer.answer = [](const HttpRequest &) { return std::optional<HttpAnswer>(HttpAnswer{200, "3.7", {}}); };
    RecordingRobot robot;
    robot.echoPings = true;
    if (!nameServer.listen() || !robot.isListening())
        qFatal("the robot or the name server could not listen");
    bench.write(QStringLiteral("quorvelbot.ini"),
                "#LastSelected:1\r\nSocket,Bench robot,127.0.0.1,Other,,,45:45:45:45:45:45\r\n");
    QByteArray settings = "Logging:TRUE\r\nAlwaysontop:FALSE\r\nspeedToMute:0\r\npadSensitivity:0\r\npointNDrive:FALSE\r\n"
                          "autoAnswer:FALSE\r\ncheckForUpdates:FALSE\r\nautoCenter:FALSE\r\ndriveTimeOut:500\r\n"
                          "accelSetting:10\r\n";
    bench.write(QStringLiteral("Settings.ini"), settings);
    bench.extraEnvironment.insert(QStringLiteral("QUORVELBOT_SERVER"), QString::fromLatin1(nameServer.address()));

    for (int run = 0; run < runs; ++run) {
        key.floor << floorKeyToWire(bench, robot);

        QProcess controller;
        bench.start(controller, bench.controller);
        const QString window = bench.desktop.findWindow(QStringLiteral("QuorvelBot"), 10000);
        if (window.isEmpty() || !signIn(bench.desktop, window, QStringLiteral("pilot"), QStringLiteral("secret"))
            || !runUntil([&] { return robot.commands().contains(QStringLiteral("Upilot:secret:3.2:0:500")); }, 10000))
            qFatal("the controller did not sign in");
        robot.send(QStringLiteral("AUTH:1:100:x:M3:7C:1"));
        const QString driving = bench.desktop.findWindow(QStringLiteral("QuorvelBot Vindra"), 10000);
        if (driving.isEmpty())
            qFatal("the drive view did not open");

        key.program << median(keyToWire(bench, robot, driving));
        idle.program << idleProcessorPercent(controller.processId());
        tick.program << tickDeviation(bench, robot, driving);
        floodFigure.program << flood(robot);

        controller.kill();
        controller.waitForFinished(5000);
        robot.frames.clear();
    }
    return {key, floodFigure, idle, tick};
}
