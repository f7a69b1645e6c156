// Whole sessions of the built controller on a virtual desktop, worked as a
// person would: typing into the window, dragging on the drive pad, keys.
#include "ControllerHome.h"
#include "FakeWebServer.h"
#include "LocalPorts.h"
#include "RecordingRobot.h"
#include "SimulatorProcess.h"
#include "WindowActions.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace WindowPlaces;

namespace {

// Places in the settings dialog, in its own pixels.
const QPoint newUserName(171, 56);
const QPoint newUserPassword(171, 86);
const QPoint addUserButton(189, 154);
const QPoint okButton(287, 362);

// Places in the drive view, in its own pixels at 96 dpi.
const QRect wirelessIndicator(574, 174, 31, 21); // in the drive view's status bar
// in the "Wifi Selector"
const QPoint secondNetwork(35, 125);
const QPoint wifiOkButton(332, 107);

// Whether the drive view shows its wireless indicator: its place on a
// screenshot holds more than the status bar's one colour.
bool wirelessIndicatorShown(const Desktop &desktop, const QString &window, const QString &name)
{
    const QString path = artefact(name);
    if (!desktop.screenshot(path, window))
        return false;
    const QImage shot(path);
    QSet<QRgb> colours;
    for (int y = wirelessIndicator.top(); y <= wirelessIndicator.bottom(); ++y)
        for (int x = wirelessIndicator.left(); x <= wirelessIndicator.right(); ++x)
            colours.insert(shot.pixel(x, y));
    return colours.size() > 1;
}

// The wheel commands the simulator received, in order, from position from of
// its log on.
QStringList wheelCommands(const QString &log, qsizetype from)
{
    static const QRegularExpression received(QStringLiteral("#\\d+ < (L\\S*)"));
    QStringList commands;
    for (QRegularExpressionMatchIterator it = received.globalMatch(log, from); it.hasNext();)
        commands << it.next().captured(1);
    return commands;
}

// The controller signed in as "operator" to the simulator, which answers as
// the name server too, on a desktop of their own.
struct SimulatorSession {
    Desktop desktop;
    SimulatorProcess sim;
    ControllerHome home{desktop, "#LastSelected:1\r\nSocket,Simulator,simbot,Other,,,45:45:45:45:45:45\r\n"};
    QProcess controller;
    QString window;  // the sign-in view
    QString driving; // the drive view, once signed in

    void signIn()
    {
        QVERIFY(desktop.isUp());
        const quint16 namePort = freeLocalPort();
        QVERIFY2(sim.start({QStringLiteral("--name-server"), QString::number(namePort)}), qPrintable(sim.log()));
        QProcessEnvironment env;
        env.insert(QStringLiteral("QUORVELBOT_SERVER"), QStringLiteral("http://127.0.0.1:%1").arg(namePort));
        home.start(controller, env);
        window = desktop.findWindow(QStringLiteral("QuorvelBot"));
        QVERIFY(!window.isEmpty());
        QVERIFY(::signIn(desktop, window, QStringLiteral("operator"), QStringLiteral("vindra")));
        driving = desktop.findWindow(QStringLiteral("QuorvelBot Vindra"), 10000);
        QVERIFY2(!driving.isEmpty(), qPrintable(sim.log()));
    }

    // Ends the session, signs in again as user with password (typed over
    // what the fields hold), then ends that session too and closes the window.
    void endAndSignInAgain(const QString &user, const QString &password)
    {
        qsizetype from = sim.log().size();
        desktop.click(driving, endButton.x(), endButton.y());
        QVERIFY2(sim.waitForLog(QStringLiteral(" < Z"), 5000, from), qPrintable(sim.log().mid(from)));
        QVERIFY(!desktop.findWindow(QStringLiteral("QuorvelBot")).isEmpty()); // the sign-in view is back
        QTest::qWait(300);
        from = sim.log().size();
        desktop.click(window, userNameField.x(), userNameField.y());
        desktop.key(QStringLiteral("ctrl+a"));
        desktop.type(user);
        desktop.click(window, passwordField.x(), passwordField.y());
        desktop.key(QStringLiteral("ctrl+a"));
        desktop.type(password);
        desktop.key(QStringLiteral("Return"));
        QVERIFY2(sim.waitForLog(QStringLiteral("signed in as ") + user, 10000, from), qPrintable(sim.log().mid(from)));
        const QString drivingAgain = desktop.findWindow(QStringLiteral("QuorvelBot Vindra"), 10000);
        QVERIFY(!drivingAgain.isEmpty());
        from = sim.log().size();
        desktop.click(drivingAgain, endButton.x(), endButton.y());
        QVERIFY2(sim.waitForLog(QStringLiteral(" < Z"), 5000, from), qPrintable(sim.log().mid(from)));
        QVERIFY(desktop.closeWindow(window));
        QVERIFY(controller.waitForFinished(10000));
    }
};

} // namespace

class SessionE2ETest : public QObject {
    Q_OBJECT
private slots:
    void drivingARecordingRobot()
    {
        Desktop desktop;
        QVERIFY(desktop.isUp());
        FakeWebServer nameServer;
        nameServer.answer = [](const HttpRequest &) { return std::optional<HttpAnswer>(HttpAnswer{200, "3.7", {}}); };
        QVERIFY(nameServer.listen());
        RecordingRobot robot;
        QVERIFY(robot.isListening());

        ControllerHome home(desktop, "#LastSelected:1\r\nSocket,Lab bench,127.0.0.1,Other,,,45:45:45:45:45:45\r\n");
        QProcessEnvironment env;
        env.insert(QStringLiteral("QUORVELBOT_SERVER"), QString::fromLatin1(nameServer.address()));
        QProcess controller;
        home.start(controller, env);
        const QString window = desktop.findWindow(QStringLiteral("QuorvelBot"));
        QVERIFY(!window.isEmpty());

        QVERIFY(signIn(desktop, window, QStringLiteral("pilot"), QStringLiteral("secret")));
        QVERIFY(robot.waitForCommand(QStringLiteral("Upilot:secret:3.2:0:500"), 10000));

        robot.send(QStringLiteral("AUTH:1:100:x:M3:7C:1"));
        QVERIFY(robot.waitForCommand(QStringLiteral("XE100000")));
        const QString driving = desktop.findWindow(QStringLiteral("QuorvelBot Vindra"));
        QVERIFY(!driving.isEmpty());
        QCOMPARE(desktop.windowSize(driving), QSize(620, 230));

        dragOnPad(desktop, driving, QPoint(55, -40)); // forward right
        QVERIFY(robot.waitForCommand(QStringLiteral("L163R137")));
        QVERIFY(desktop.screenshot(artefact(QStringLiteral("e2e-driving")), driving));
        desktop.button(false);
        QVERIFY(QTest::qWaitFor([&] { return robot.commands().count(QStringLiteral("L000R000")) >= 6; }, 5000));

        desktop.key(QStringLiteral("d")); // camera right
        desktop.key(QStringLiteral("w")); // camera up
        QVERIFY(robot.waitForCommand(QStringLiteral("MKP08800")));
        QVERIFY(robot.waitForCommand(QStringLiteral("MKT08900")));

        desktop.click(driving, endButton.x(), endButton.y());
        QVERIFY(robot.waitForCommand(QStringLiteral("Z")));
        QVERIFY(!desktop.findWindow(QStringLiteral("QuorvelBot")).isEmpty());
        QVERIFY(desktop.closeWindow(window));
        QVERIFY(controller.waitForFinished(10000));
        QCOMPARE(controller.exitCode(), 0);
    }

    void aSessionWithTheSimulator()
    {
        SimulatorSession session;
        session.signIn();
        if (QTest::currentTestFailed())
            return;
        const Desktop &desktop = session.desktop;
        SimulatorProcess &sim = session.sim;
        QProcess &controller = session.controller;
        const QString &window = session.window;
        const QString &driving = session.driving;


        sim.command(QStringLiteral("pose"));
        QVERIFY(sim.waitForLog(QStringLiteral("pose 1.500 1.500 0.0")));
        dragOnPad(desktop, driving, QPoint(0, -60)); // straight ahead
        QTest::qWait(1500);
        desktop.button(false);
        const qsizetype afterDrive = sim.log().size();
        sim.command(QStringLiteral("pose"));
        QVERIFY(sim.waitForLog(QStringLiteral("pose "), 5000, afterDrive));
        const QRegularExpressionMatch pose =
            QRegularExpression(QStringLiteral("pose ([0-9.]+) ([0-9.]+)")).match(sim.log(), afterDrive);
        QVERIFY2(pose.hasMatch() && (pose.captured(1) != QLatin1String("1.500") || pose.captured(2) != QLatin1String("1.500")),
                 qPrintable(sim.log()));

        // a ping leaves 5 s after sign-in; the robot echoes it
        QVERIFY2(sim.waitForLog(QStringLiteral("PING"), 8000, afterDrive), qPrintable(sim.log()));
        QTest::qWait(300);
        QVERIFY(desktop.screenshot(artefact(QStringLiteral("e2e-simulator-session")), driving));

        desktop.click(driving, endButton.x(), endButton.y());
        QVERIFY2(sim.waitForLog(QStringLiteral(" Z"), 5000, afterDrive), qPrintable(sim.log()));
        QVERIFY(!desktop.findWindow(QStringLiteral("QuorvelBot")).isEmpty());
        QVERIFY(desktop.closeWindow(window));
        QVERIFY(controller.waitForFinished(10000));
    }

    // An administrator adds a user in the settings dialog; the robot takes
    // the new list, and the new user signs in after the session's end.
    void aUserAddedInTheSettingsSignsIn()
    {
        SimulatorSession session;
        session.signIn();
        if (QTest::currentTestFailed())
            return;
        const Desktop &desktop = session.desktop;
        SimulatorProcess &sim = session.sim;
        const qsizetype before = sim.log().size();

        desktop.click(session.driving, driveOptionsButton.x(), driveOptionsButton.y());
        QTest::qWait(300);
        desktop.key(QStringLiteral("Down")); // "Settings"
        desktop.key(QStringLiteral("Return"));
        const QString settings = desktop.findWindow(QStringLiteral("Settings"), 10000);
        QVERIFY2(!settings.isEmpty(), qPrintable(sim.log()));
        desktop.click(settings, newUserName.x(), newUserName.y());
        desktop.type(QStringLiteral("carol"));
        desktop.click(settings, newUserPassword.x(), newUserPassword.y());
        desktop.type(QStringLiteral("pass1"));
        desktop.click(settings, addUserButton.x(), addUserButton.y());
        QTest::qWait(300);
        QVERIFY(desktop.screenshot(artefact(QStringLiteral("e2e-settings-user-added")), settings));
        desktop.click(settings, okButton.x(), okButton.y());
        QVERIFY2(sim.waitForLog(QStringLiteral(" > ACKUSER"), 5000, before), qPrintable(sim.log().mid(before)));

        session.endAndSignInAgain(QStringLiteral("carol"), QStringLiteral("pass1"));
    }

    // The robot's list of networks opens the selector; the switch to another
    // one is confirmed and the wireless indicator comes back. Then the
    // password changes, and the next sign-in takes the new one.
    void aNetworkSwitchAndANewPassword()
    {
        SimulatorSession session;
        session.signIn();
        if (QTest::currentTestFailed())
            return;

        // the robot reports its wireless link every 2 s
        QVERIFY(QTest::qWaitFor(
            [&] {
                return wirelessIndicatorShown(session.desktop, session.driving,
                                              QStringLiteral("e2e-wifi-indicator-before"));
            },
            5000));

        const qsizetype beforeScan = session.sim.log().size();
        session.sim.command(QStringLiteral("scan"));
        const QString selector = session.desktop.findWindow(QStringLiteral("Wifi Selector"));
        QVERIFY2(!selector.isEmpty(), qPrintable(session.sim.log()));
        QVERIFY(session.desktop.screenshot(artefact(QStringLiteral("e2e-wifi-selector")), selector));
        session.desktop.click(selector, secondNetwork.x(), secondNetwork.y()); // "Office WLAN"
        session.desktop.click(selector, wifiOkButton.x(), wifiOkButton.y());
        const QString question = session.desktop.findWindow(QStringLiteral("Wifi Notification"));
        QVERIFY(!question.isEmpty());
        session.desktop.xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), question});
        session.desktop.key(QStringLiteral("Return")); // Yes
        // the quality is the last network's, whichever is chosen
        QVERIFY2(session.sim.waitForLog(QStringLiteral(" < Y,Office WLAN,28"), 5000, beforeScan),
                 qPrintable(session.sim.log()));
        QVERIFY2(session.sim.waitForLog(QStringLiteral(" > ACKWIFI"), 5000, beforeScan), qPrintable(session.sim.log()));
        QVERIFY(session.desktop.findWindow(QStringLiteral("Wifi Selector"), 500).isEmpty());
        QVERIFY(QTest::qWaitFor(
            [&] {
                return wirelessIndicatorShown(session.desktop, session.driving,
                                              QStringLiteral("e2e-wifi-indicator-after"));
            },
            5000));

        const qsizetype beforeChange = session.sim.log().size();
        session.desktop.click(session.driving, driveOptionsButton.x(), driveOptionsButton.y());
        QTest::qWait(300);
        session.desktop.key(QStringLiteral("Down")); // "Settings"
        session.desktop.key(QStringLiteral("Down")); // "Change Password"
        session.desktop.key(QStringLiteral("Return"));
        const QString change = session.desktop.findWindow(QStringLiteral("Change Password"));
        QVERIFY(!change.isEmpty());
        session.desktop.xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), change});
        session.desktop.type(QStringLiteral("vindra"));
        session.desktop.key(QStringLiteral("Tab"));
        session.desktop.type(QStringLiteral("lindmere"));
        session.desktop.key(QStringLiteral("Tab"));
        session.desktop.type(QStringLiteral("lindmere"));
        QVERIFY(session.desktop.screenshot(artefact(QStringLiteral("e2e-change-password")), change));
        session.desktop.key(QStringLiteral("Return"));
        QVERIFY2(session.sim.waitForLog(QStringLiteral(" < P:operator:***:***"), 5000, beforeChange),
                 qPrintable(session.sim.log()));
        QVERIFY2(session.sim.waitForLog(QStringLiteral(" > PASS1"), 5000, beforeChange), qPrintable(session.sim.log()));

        session.endAndSignInAgain(QStringLiteral("operator"), QStringLiteral("lindmere"));
    }

    // The robot moves only while the operator holds a control: a session the
    // robot ends under a held pad leaves no demand behind for the next one.
    void theRobotsGoodbyeUnderAHeldPad()
    {
        SimulatorSession session;
        session.signIn();
        if (QTest::currentTestFailed())
            return;
        const Desktop &desktop = session.desktop;
        SimulatorProcess &sim = session.sim;
        QProcess &controller = session.controller;
        const QString &window = session.window;
        const QString &driving = session.driving;

        const qsizetype beforeDrag = sim.log().size();
        dragOnPad(desktop, driving, QPoint(0, -60)); // straight ahead, and held
        static const QRegularExpression forward(QStringLiteral("^L1\\d\\dR1\\d\\d$"));
        QVERIFY2(QTest::qWaitFor([&] { return !wheelCommands(sim.log(), beforeDrag).filter(forward).isEmpty(); }, 3000),
                 qPrintable(sim.log()));

        sim.command(QStringLiteral("say-z"));
        QVERIFY2(sim.waitForLog(QStringLiteral(" > Z\n"), 3000, beforeDrag), qPrintable(sim.log()));
        const qsizetype goodbye = sim.log().indexOf(QStringLiteral(" > Z\n"), beforeDrag);
        QVERIFY(!desktop.findWindow(QStringLiteral("QuorvelBot")).isEmpty()); // the sign-in view is back
        QTest::qWait(500); // the button stays down for two drive ticks
        desktop.button(false);
        QVERIFY(desktop.screenshot(artefact(QStringLiteral("e2e-held-pad-sign-in-view")), window));

        // The credentials stay in their fields and the reminder came with the
        // first sign-in only: Enter signs in again. The pad is not touched.
        desktop.click(window, passwordField.x(), passwordField.y());
        desktop.key(QStringLiteral("Return"));
        QVERIFY2(sim.waitForLog(QStringLiteral("signed in as operator"), 10000, goodbye), qPrintable(sim.log()));
        const QString drivingAgain = desktop.findWindow(QStringLiteral("QuorvelBot Vindra"), 10000);
        QVERIFY2(!drivingAgain.isEmpty(), qPrintable(sim.log()));
        QTest::qWait(2000); // eight drive ticks
        QVERIFY(desktop.screenshot(artefact(QStringLiteral("e2e-held-pad-drive-view")), drivingAgain));

        QStringList moving = wheelCommands(sim.log(), goodbye);
        moving.removeAll(QStringLiteral("L000R000"));
        QVERIFY2(moving.isEmpty(), qPrintable(QStringLiteral("wheel commands after the robot's goodbye: ") +
                                              moving.join(QStringLiteral(", ")) + u'\n' + sim.log().mid(goodbye)));

        const qsizetype beforeEnd = sim.log().size();
        desktop.click(drivingAgain, endButton.x(), endButton.y());
        QVERIFY2(sim.waitForLog(QStringLiteral(" < Z"), 5000, beforeEnd), qPrintable(sim.log()));
        QVERIFY(desktop.closeWindow(window));
        QVERIFY(controller.waitForFinished(10000));
    }

    void aboutShowsTheSimulatorsConfiguration()
    {
        SimulatorSession session;
        session.signIn();
        if (QTest::currentTestFailed())
            return;
        const Desktop &desktop = session.desktop;

        // the drive view's "Options" menu, its fourth entry: "About"
        desktop.click(session.driving, driveOptionsButton.x(), driveOptionsButton.y());
        QTest::qWait(300);
        for (int entry = 0; entry < 4; ++entry)
            desktop.key(QStringLiteral("Down"));
        desktop.key(QStringLiteral("Return"));
        const QString about = desktop.findWindow(QStringLiteral("Help"));
        QVERIFY(!about.isEmpty());
        // the page grows to show the robot's configuration block
        QTRY_COMPARE(desktop.windowSize(about), QSize(407, 360));
        QVERIFY(desktop.screenshot(artefact(QStringLiteral("e2e-about-simulator")), about));

        const qsizetype beforeEnd = session.sim.log().size();
        desktop.click(session.driving, endButton.x(), endButton.y());
        QVERIFY2(session.sim.waitForLog(QStringLiteral(" < Z"), 5000, beforeEnd), qPrintable(session.sim.log()));
        QTRY_COMPARE(desktop.windowSize(about), QSize(407, 300)); // back to the page without a robot
        QVERIFY(desktop.screenshot(artefact(QStringLiteral("e2e-about-after-session")), about));
        QVERIFY(desktop.closeWindow(session.window));
        QVERIFY(session.controller.waitForFinished(10000));
    }
};

QTEST_GUILESS_MAIN(SessionE2ETest)
#include "SessionE2ETest.moc"
