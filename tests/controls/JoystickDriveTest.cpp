// Driving and aiming with a game controller on a real window, the robot's
// commands recorded: the stick's demands leave with the drive tick, the
// buttons act as their controls do.
#include "FormFixture.h"
#include "controls/JoystickDevice.h"
#include "ui/Picture.h"

#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

namespace {

// A window in its drive view, commands leaving by WebRTC (unframed).
struct StickDriving {
    FormFixture f;
    explicit StickDriving(const QString &model = QStringLiteral("M3"))
    {
        f.selectRobot();
        f.form->driveViewShown = true;
        f.form->disableDriveView();
        f.form->link.linkState.robotModel = model;
        f.form->link.linkState.panPresent = true;
        f.form->enableDriveView();
        f.form->link.linkState.activePath = ControlPath::WebRTC;
    }
    TForm2 &form() { return *f.form; }
    QStringList take()
    {
        QStringList sent = f.webRtc->written;
        f.webRtc->written.clear();
        return sent;
    }
    void stick(double x, double y)
    {
        TJoyRelPos at;
        at.X = x;
        at.Y = y;
        form().JoyStickMove(form().JoystickDevice1, at, {});
    }
};

const QStringList doubleStop{"L000R000", "L000R000"};

// Axis readings of a controller whose limits are 0..65535.
constexpr quint16 AxisLow = 0;
constexpr quint16 AxisRest = 32767;

// Six buttons and two axes: polled; resting at its centre when it is found.
FakeJoystick polledController()
{
    FakeJoystick controller(6, 2);
    controller.state.axes.fill(AxisRest);
    return controller;
}

} // namespace

class JoystickDriveTest : public QObject {
    Q_OBJECT
private slots:
    void theStickDrivesThroughTheTick_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("full forward") << 0.0 << -1.0 << QStringList{"L199R199"};
        QTest::newRow("full right at the centre line") << 1.0 << 0.0 << QStringList{"L150R050"};
        QTest::newRow("within half a pixel: centred") << 0.004 << 0.0 << doubleStop;
    }
    void theStickDrivesThroughTheTick()
    {
        StickDriving d;
        QFETCH(double, x);
        QFETCH(double, y);
        d.stick(x, y);
        d.form().link.driveTick();
        QTEST(d.take(), "sent");
    }

    void aRepeatedPlaceChangesNothing()
    {
        StickDriving d;
        d.stick(0, 0); // the place at start
        QVERIFY(d.take().isEmpty());
        d.stick(0.5, -0.5);
        const float left = d.form().link.leftWheelDemand;
        d.form().link.leftWheelDemand = 7;
        d.stick(0.5, -0.5);
        QCOMPARE(d.form().link.leftWheelDemand, 7.0f);
        QVERIFY(left != 7.0f);
    }

    void theStickIsIgnoredOutsideASession()
    {
        StickDriving d;
        d.form().link.linkState.sessionOpen = false;
        d.stick(0, -1);
        QCOMPARE(d.form().link.leftWheelDemand, 0.0f);
    }

    void aFailingStopStillLeavesTheDemandsAtRest()
    {
        StickDriving d;
        d.stick(0, -1);
        d.f.webRtc->failing = true;
        QVERIFY_THROWS_EXCEPTION(LinkError, d.stick(0, 0.001));
        QCOMPARE(d.form().link.leftWheelDemand, 0.0f);
        QCOMPARE(d.form().link.rightWheelDemand, 0.0f);
    }

    void buttons_data()
    {
        QTest::addColumn<quint32>("buttons");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("1: camera down") << 0x1u << QStringList{"MKT09100"};
        QTest::newRow("2 and 3: right then left") << 0x6u << QStringList{"MKP08800", "MKP09000"};
        QTest::newRow("4: camera up") << 0x8u << QStringList{"MKT08900"};
        QTest::newRow("7 and 9: one headlight step") << 0x140u << QStringList{"XH025000"};
        QTest::newRow("10") << 0x200u << QStringList{"XH025000"};
    }
    void buttons()
    {
        StickDriving d;
        d.form().link.linkState.headlightsPresent = true;
        d.form().headLightButton->setEnabled(true);
        QFETCH(quint32, buttons);
        d.form().JoyStickButtonDown(d.form().JoystickDevice1, TJoyButtons(buttons));
        QTEST(d.take(), "sent");
    }

    void button8SignsInOnlyWhereSignInCould()
    {
        StickDriving d; // in a session: Sign In is hidden
        d.form().JoyStickButtonDown(d.form().JoystickDevice1, TJoyButtons(0x80));
        QVERIFY(d.f.fake.boxes.shown.isEmpty());
        d.form().DisconnectClick();
        d.form().contactList.count = 0; // signing in now says the list is empty
        d.form().SignIn->setEnabled(false); // an attempt runs
        d.form().JoyStickButtonDown(d.form().JoystickDevice1, TJoyButtons(0x80));
        QVERIFY(d.f.fake.boxes.shown.isEmpty());
        d.form().SignIn->setEnabled(true);
        d.form().JoyStickButtonDown(d.form().JoystickDevice1, TJoyButtons(0x80));
        QCOMPARE(d.f.fake.boxes.shown.size(), 1);
    }

    // The whole way from a polled controller: plugged in after start, found
    // when the session opens, stopped by its return to rest and its loss.
    void aControllerPluggedInLateDrivesAndStops()
    {
        StickDriving d;
        QVERIFY(!d.form().Image5->isVisibleTo(&d.form()));
        d.f.fake.joysticks.attached << polledController();
        d.form().disableDriveView();
        d.form().link.linkState.activePath = ControlPath::WebRTC;
        d.form().enableDriveView();
        TJoystickDevice &stick = *d.form().JoystickDevice1;
        QVERIFY(stick.Active());
        QVERIFY(stick.Advanced());
        QVERIFY(d.form().Image5->isVisibleTo(&d.form()));

        FakeJoystick &pad = d.f.fake.joysticks.attached[0];
        pad.state.axes[1] = AxisLow; // full forward
        d.f.fake.clock.now += 100;
        stick.PollDevice();
        d.form().link.driveTick();
        QCOMPARE(d.take(), QStringList{"L199R199"});

        pad.state.axes[1] = AxisRest; // let go
        d.f.fake.clock.now += 100;
        stick.PollDevice();
        d.form().link.driveTick();
        QCOMPARE(d.take(), doubleStop);

        pad.state.axes[1] = AxisLow;
        d.f.fake.clock.now += 100;
        stick.PollDevice();
        d.take();
        d.f.fake.joysticks.attached.clear(); // unplugged mid-drive
        d.f.fake.clock.now += 100;
        stick.PollDevice();
        d.form().link.driveTick();
        QCOMPARE(d.take(), doubleStop);
        QVERIFY(!stick.Active());
        QVERIFY(!d.form().Image5->isVisibleTo(&d.form()));
    }

    void theTableTopShowsNoIndicator()
    {
        StickDriving d(QStringLiteral("T2"));
        d.f.fake.joysticks.attached << FakeJoystick(4, 2);
        d.form().disableDriveView();
        d.form().enableDriveView();
        QVERIFY(d.form().JoystickDevice1->Active());
        QVERIFY(!d.form().Image5->isVisibleTo(&d.form()));
    }
};

QTEST_MAIN(JoystickDriveTest)
#include "JoystickDriveTest.moc"
