#include "controls/JoystickDriving.h"

#include <QTest>

Q_DECLARE_METATYPE(QList<JoystickAction>)

class JoystickDrivingTest : public QObject {
    Q_OBJECT
private slots:
    void stick_data()
    {
        QTest::addColumn<QPointF>("stick");
        QTest::addColumn<QPointF>("last");
        QTest::addColumn<bool>("acted");
        QTest::addColumn<bool>("stops");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::newRow("first report at rest") << QPointF(0, 0) << QPointF(0, 0) << false << false << 0 << 0;
        QTest::newRow("held still") << QPointF(0.5, -0.5) << QPointF(0.5, -0.5) << false << false << 0 << 0;
        QTest::newRow("0.004 counts as centred") << QPointF(0.004, 0) << QPointF(0, 0) << true << true << 0 << 0;
        QTest::newRow("back to rest after forward") << QPointF(0, 0) << QPointF(0, -1) << true << true << 0 << 0;
        QTest::newRow("full forward") << QPointF(0, -1) << QPointF(0, 0) << true << false << 99 << 99;
        QTest::newRow("full right") << QPointF(1, 0) << QPointF(0, 0) << true << false << 50 << -50;
        // 0.6 px off the centre is a pixel, not the centre: demands 0, no stop.
        QTest::newRow("just off the centre") << QPointF(0.0055, 0) << QPointF(0, 0) << true << false << 0 << 0;
    }
    void stick()
    {
        QFETCH(QPointF, stick);
        QFETCH(QPointF, last);
        QFETCH(bool, acted);
        QFETCH(bool, stops);
        QFETCH(int, left);
        QFETCH(int, right);
        const StickDrive drive = stickDrive(stick.x(), stick.y(), last.x(), last.y(), 3);
        QCOMPARE(drive.acted, acted);
        QCOMPARE(drive.stops, stops);
        QCOMPARE(drive.demands.left, float(left));
        QCOMPARE(drive.demands.right, float(right));
    }

    void buttons_data()
    {
        using A = JoystickAction;
        QTest::addColumn<quint32>("mask");
        QTest::addColumn<QList<JoystickAction>>("actions");
        QTest::newRow("none") << 0u << QList<A>{};
        QTest::newRow("1 tilts down") << 0x001u << QList<A>{A::TiltDown};
        QTest::newRow("2 pans right") << 0x002u << QList<A>{A::PanRight};
        QTest::newRow("3 pans left") << 0x004u << QList<A>{A::PanLeft};
        QTest::newRow("4 tilts up") << 0x008u << QList<A>{A::TiltUp};
        QTest::newRow("5 toggles the laser") << 0x010u << QList<A>{A::ToggleLaser};
        QTest::newRow("6 centres the camera") << 0x020u << QList<A>{A::CentreCamera};
        QTest::newRow("7 steps the headlights") << 0x040u << QList<A>{A::HeadlightStep};
        QTest::newRow("8 signs in") << 0x080u << QList<A>{A::SignIn};
        QTest::newRow("9 steps the headlights") << 0x100u << QList<A>{A::HeadlightStep};
        QTest::newRow("10 steps the headlights") << 0x200u << QList<A>{A::HeadlightStep};
        QTest::newRow("7 and 9 step once") << 0x140u << QList<A>{A::HeadlightStep};
        QTest::newRow("11 and beyond do nothing") << 0xFFFFFC00u << QList<A>{};
        QTest::newRow("all in table order")
            << 0x3FFu << QList<A>{A::TiltDown,    A::PanRight,     A::PanLeft,       A::TiltUp,
                                  A::ToggleLaser, A::CentreCamera, A::HeadlightStep, A::SignIn};
        QTest::newRow("headlights before sign-in") << 0x280u << QList<A>{A::HeadlightStep, A::SignIn};
    }
    void buttons()
    {
        QFETCH(quint32, mask);
        QFETCH(QList<JoystickAction>, actions);
        QCOMPARE(joystickButtonActions(TJoyButtons(mask)), actions);
    }
};

QTEST_GUILESS_MAIN(JoystickDrivingTest)
#include "JoystickDrivingTest.moc"
