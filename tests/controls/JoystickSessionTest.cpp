// A game controller driving the robot simulator through a real window: the
// controller is an SDL virtual joystick read by the real SDL back end, the
// window signs in over the direct socket, and the simulator's log shows what
// the robot was told. The component's poll timer and the window's drive tick
// run on their own.
#include "SignInFixture.h"
#include "SimulatorProcess.h"

#include "controls/DriveMixing.h"
#include "controls/JoystickDevice.h"
#include "platform/Joysticks.h"
#include "ui/Picture.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <SDL.h>

namespace {

constexpr int WaitMs = 5000;

// Six buttons and two axes, so the component polls it. It rests at its centre
// until the test moves the stick.
class VirtualController {
public:
    VirtualController()
        : index(SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 6, 0)),
          handle(index >= 0 ? SDL_JoystickOpen(index) : nullptr)
    {
    }
    ~VirtualController() { unplug(); }
    bool isAttached() const { return handle; }
    void stick(Sint16 x, Sint16 y)
    {
        SDL_JoystickSetVirtualAxis(handle, 0, x);
        SDL_JoystickSetVirtualAxis(handle, 1, y);
    }
    void unplug()
    {
        if (!handle)
            return;
        SDL_JoystickClose(handle);
        SDL_JoystickDetachVirtual(index);
        handle = nullptr;
    }

private:
    int index;
    SDL_Joystick *handle;
};

// The real SDL joysticks must outlive the window that reads them.
struct JoystickSession {
    JoystickSession()
        : desk(QStringLiteral("Socket"), nullptr, nullptr, QLatin1String(SignInFixture::BaseName), &joysticks)
    {
    }
    TForm2 &form() { return *desk.form; }

    // Where the simulator says the robot is.
    QString pose()
    {
        const qsizetype from = robot.log().size();
        robot.command(QStringLiteral("pose"));
        if (!robot.waitForLog(QStringLiteral("pose "), WaitMs, from))
            return {};
        static const QRegularExpression line(QStringLiteral("pose ([^\\n]*)"));
        return line.match(robot.log(), from).captured(1);
    }

    // The wheel commands the robot logged from position from on, up to the
    // first line holding until.
    QStringList wheelCommands(qsizetype from, const QString &until = {})
    {
        static const QRegularExpression command(QStringLiteral("< (L[01]\\d\\dR[01]\\d\\d)$"),
                                                QRegularExpression::MultilineOption);
        const qsizetype end = until.isEmpty() ? -1 : robot.log().indexOf(until, from);
        const QString part = robot.log().mid(from, end < 0 ? -1 : end - from);
        QStringList commands;
        for (QRegularExpressionMatchIterator it = command.globalMatch(part); it.hasNext();)
            commands << it.next().captured(1);
        return commands;
    }

    // The wheel commands from the first stop after position from on: only
    // the double stop and the stops after it may be there.
    QString afterTheStop(qsizetype from, const QString &until)
    {
        const QStringList commands = wheelCommands(from, until);
        const qsizetype stop = commands.indexOf(StopCommand);
        const QStringList stopped = stop < 0 ? QStringList() : commands.mid(stop);
        const bool stopsOnly = stopped.size() >= 2 && stopped.count(StopCommand) == stopped.size();
        return stopsOnly ? QString() : QStringLiteral("after the stop: ") + commands.join(u' ');
    }

    SdlJoysticks joysticks;
    SimulatorProcess robot;
    SignInFixture desk;
};

} // namespace

class JoystickSessionTest : public QObject {
    Q_OBJECT
private slots:
    void theControllerDrivesTheRobotAndStopsIt()
    {
        JoystickSession s;
        if (s.joysticks.deviceCount() != 0)
            QSKIP("a controller is attached to this machine");
        QVERIFY2(s.robot.start(), qPrintable(s.robot.log()));
        const QString startPose = s.pose();
        QVERIFY(!startPose.isEmpty());

        // plugged in before the session: taken up when it opens
        VirtualController controller;
        QVERIFY2(controller.isAttached(), SDL_GetError());
        s.form().SignInClick();
        QTRY_COMPARE_WITH_TIMEOUT(s.form().statusBarLabel->text(), QStringLiteral("Logged in via Direct Socket"),
                                  WaitMs);
        const TJoystickDevice &stick = *s.form().JoystickDevice1;
        QVERIFY(stick.Active());
        QVERIFY(stick.Advanced());
        QVERIFY(s.form().Image5->isVisibleTo(&s.form()));
        QVERIFY(s.form().link.Timer1->isActive());

        // full forward: the tick repeats the demands
        qsizetype from = s.robot.log().size();
        controller.stick(0, SDL_JOYSTICK_AXIS_MIN);
        QTRY_VERIFY_WITH_TIMEOUT(s.wheelCommands(from).count(QStringLiteral("L199R199")) >= 3, WaitMs);

        // let go, exactly to the centre: the double stop, then nothing while
        // the tick goes on
        from = s.robot.log().size();
        controller.stick(0, 0);
        QVERIFY2(s.robot.waitForLog(QStringLiteral("< ") + StopCommand, WaitMs, from), qPrintable(s.robot.log()));
        const QString stoppedPose = s.pose();
        QVERIFY2(stoppedPose != startPose, qPrintable(stoppedPose));
        QTest::qWait(1000);
        // full right: a command the forward demands of before cannot give
        const QString turn = QStringLiteral("L150R050");
        controller.stick(SDL_JOYSTICK_AXIS_MAX, 0);
        QVERIFY2(s.robot.waitForLog(QStringLiteral("< ") + turn, WaitMs, from), qPrintable(s.robot.log()));
        QVERIFY2(s.afterTheStop(from, QStringLiteral("< ") + turn).isEmpty(),
                 qPrintable(s.afterTheStop(from, QStringLiteral("< ") + turn)));

        // unplugged mid-turn: stopped, and nothing until the session ends
        from = s.robot.log().size();
        controller.unplug();
        QVERIFY2(s.robot.waitForLog(QStringLiteral("< ") + StopCommand, WaitMs, from), qPrintable(s.robot.log()));
        QVERIFY(!stick.Active());
        QVERIFY(!s.form().Image5->isVisibleTo(&s.form()));
        QTest::qWait(1000);
        s.form().DisconnectClick();
        const QString end = QStringLiteral("the controller said Z");
        QVERIFY2(s.robot.waitForLog(end, WaitMs, from), qPrintable(s.robot.log()));
        QVERIFY2(s.afterTheStop(from, end).isEmpty(), qPrintable(s.afterTheStop(from, end)));
    }
};

QTEST_MAIN(JoystickSessionTest)
#include "JoystickSessionTest.moc"
