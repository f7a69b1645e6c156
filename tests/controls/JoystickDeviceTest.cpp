#include "controls/JoystickDevice.h"

#include "FakePlatform.h"

#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <memory>
#include <thread>

namespace {

// A component on a fake controller, with everything it raises written down.
struct JoystickFixture {
    FakePlatform fake;
    QStringList events;
    std::unique_ptr<TJoystickDevice> device;

    explicit JoystickFixture(std::optional<FakeJoystick> attached = std::nullopt)
    {
        if (attached)
            fake.joysticks.attached << *attached;
        device = std::make_unique<TJoystickDevice>(fake.platform());
        QObject::connect(device.get(), &TJoystickDevice::OnMove, [this](auto, const TJoyRelPos &p, TJoyButtons b) {
            events << QStringLiteral("move %1 %2 %3 %4").arg(p.X).arg(p.Y).arg(p.Z).arg(b.toMask());
        });
        QObject::connect(device.get(), &TJoystickDevice::OnButtonDown,
                         [this](auto, TJoyButtons b) { events << QStringLiteral("down %1").arg(b.toMask()); });
        QObject::connect(device.get(), &TJoystickDevice::OnButtonUp,
                         [this](auto, TJoyButtons b) { events << QStringLiteral("up %1").arg(b.toMask()); });
        QObject::connect(device.get(), &TJoystickDevice::OnPOVChanged,
                         [this](auto, float degrees) { events << QStringLiteral("pov %1").arg(degrees); });
        QObject::connect(device.get(), &TJoystickDevice::OnLost, [this] { events << QStringLiteral("lost"); });
        QObject::connect(device.get(), &TJoystickDevice::OnLog, [this](const QString &line) { events << line; });
    }

    const QTimer &pollTimer() const { return *device->findChild<QTimer *>(QStringLiteral("pollTimer")); }
    JoystickReading &state() { return fake.joysticks.attached[0].state; }
    bool watched() const { return fake.joysticks.captured.contains(0); }

    void pollAt(qint64 tick)
    {
        fake.clock.now = tick;
        device->PollDevice();
    }
};

// Enough buttons to be polled.
FakeJoystick polledPad()
{
    return FakeJoystick(6, 2);
}

} // namespace

class JoystickDeviceTest : public QObject {
    Q_OBJECT
private slots:
    void mode_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("axes");
        QTest::addColumn<bool>("advanced");
        QTest::addColumn<bool>("polls");
        QTest::addColumn<int>("axisSet");
        QTest::newRow("4 buttons, 2 axes") << 4 << 2 << true << false << int(axX | axY);
        QTest::newRow("4 buttons, 3 axes") << 4 << 3 << true << false << int(axX | axY | axZ);
        QTest::newRow("6 buttons") << 6 << 2 << true << true << int(axX | axY);
        QTest::newRow("4 buttons, 4 axes") << 4 << 4 << true << true << int(axX | axY | axZ | axR);
        QTest::newRow("6 buttons, 6 axes") << 6 << 6 << true << true << int(axX | axY | axZ | axR | axU | axV);
        QTest::newRow("6 buttons without Advanced") << 6 << 6 << false << false << int(axX | axY | axZ);
    }
    void mode()
    {
        QFETCH(int, buttons);
        QFETCH(int, axes);
        QFETCH(bool, advanced);
        QFETCH(bool, polls);
        QFETCH(int, axisSet);
        JoystickFixture f(FakeJoystick(buttons, axes));
        QVERIFY(f.device->Active());
        QVERIFY(f.watched());
        f.device->setAdvanced(advanced);

        QVERIFY(f.device->Active());
        QCOMPARE(f.device->Advanced(), polls);
        QCOMPARE(f.pollTimer().isActive(), polls);
        QCOMPARE(f.watched(), !polls);
        QCOMPARE(int(f.device->Axises()), axisSet);
        if (polls)
            QCOMPARE(f.pollTimer().interval(), 40);
    }

    void advancedWrittenBackWatchesChanges()
    {
        JoystickFixture f(polledPad());
        f.device->setAdvanced(true);
        f.device->setAdvanced(false);
        QVERIFY(!f.pollTimer().isActive());
        QVERIFY(f.watched());
    }

    void controllerAttachedLaterIsTakenUpWhenActiveIsWritten()
    {
        JoystickFixture f;
        f.device->setAdvanced(true);
        QVERIFY(!f.device->Active());
        QVERIFY(f.device->Advanced());

        f.fake.joysticks.attached << polledPad();
        f.device->setActive(true);
        QVERIFY(f.device->Active());
        QVERIFY(f.pollTimer().isActive());
        QCOMPARE(f.device->ButtonCount(), 6);
    }

    void centreIsReadOnceAtStart()
    {
        FakeJoystick pad = polledPad();
        pad.state.axes[0] = 30000;
        JoystickFixture f(pad);
        f.device->setAdvanced(true);
        f.state().axes[0] = 40000;
        f.pollAt(0);
        QCOMPARE(f.device->AbsCenter().X, quint16(30000));
        QCOMPARE(f.events, QStringList{QStringLiteral("move %1 0 0 0").arg(10000.0 / 35535)});
    }

    // Polls every 40 ms with a button held or the stick deflected from 40 to
    // 440 ms, let go at 480 and taken up again at 520.
    void heldControlRepeats_data()
    {
        QTest::addColumn<bool>("stick");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("button") << false
                                << QStringList{"40 down 1", "360 down 1", "400 down 1", "440 down 1", "520 down 1"};
        // The stick's return to rest is reported once.
        const QString move = QStringLiteral(" move -0.5 0 0 0");
        QTest::newRow("stick") << true << QStringList{"40" + move,  "360" + move,       "400" + move,
                                                      "440" + move, "480 move 0 0 0 0", "520" + move};
    }
    void heldControlRepeats()
    {
        QFETCH(bool, stick);
        QFETCH(QStringList, events);
        JoystickFixture f(polledPad());
        f.device->setAdvanced(true);
        QStringList seen;
        for (qint64 tick = 0; tick <= 560; tick += 40) {
            const bool held = (tick >= 40 && tick <= 440) || tick >= 520;
            if (stick)
                f.state().axes[0] = held ? 16384 : 32768;
            else
                f.state().buttons = held ? 1 : 0;
            f.events.clear();
            f.pollAt(tick);
            for (const QString &event : f.events)
                seen << QStringLiteral("%1 %2").arg(tick).arg(event);
        }
        QCOMPARE(seen, events);
    }

    void messageModeReportsEveryChange()
    {
        JoystickFixture f(FakeJoystick(4, 3));
        f.device->setAdvanced(true);
        const auto report = [&](JoystickChange change) { f.fake.joysticks.report(0, change); };
        report({JoystickChange::StickMoved, 65535, 0, 0, 0x3});
        report({JoystickChange::ZMoved, 0, 0, 0, 0x3});
        report({JoystickChange::StickMoved, 32768, 32768, 0, 0x1});
        report({JoystickChange::ButtonsUp, 0, 0, 0, 0x1});
        report({JoystickChange::ButtonsDown, 0, 0, 0, 0x9});
        QCOMPARE(f.events, (QStringList{"move 1 -1 0 3", "move 1 -1 -1 3", "move 0 0 -1 1", "up 1", "down 9"}));
    }

    void relativeRule_data()
    {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("centre");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("raw");
        QTest::addColumn<double>("x");
        QTest::addColumn<QStringList>("log");
        const QStringList none;
        QTest::newRow("minimum") << 0 << 400 << 1000 << 0 << -1.0 << none;
        QTest::newRow("half down") << 0 << 400 << 1000 << 200 << -0.5 << none;
        QTest::newRow("centre") << 0 << 400 << 1000 << 400 << 0.0 << none;
        QTest::newRow("half up") << 0 << 400 << 1000 << 700 << 0.5 << none;
        QTest::newRow("maximum") << 0 << 400 << 1000 << 1000 << 1.0 << none;
        QTest::newRow("no Down span") << 100 << 100 << 1000 << 700 << 0.0
                                      << QStringList{"Joystick 1 axis X ignored: its centre 100 is not between its "
                                                     "limits 100 and 1000"};
        QTest::newRow("no Up span") << 0 << 1000 << 1000 << 1000 << 0.0
                                    << QStringList{"Joystick 1 axis X ignored: its centre 1000 is not between its "
                                                   "limits 0 and 1000"};
        QTest::newRow("centre beyond the maximum")
            << 0 << 1200 << 1000 << 200 << 0.0
            << QStringList{"Joystick 1 axis X ignored: its centre 1200 is not between its limits 0 and 1000"};
    }
    void relativeRule()
    {
        QFETCH(int, minimum);
        QFETCH(int, centre);
        QFETCH(int, maximum);
        QFETCH(int, raw);
        QFETCH(double, x);
        QFETCH(QStringList, log);
        FakeJoystick pad(2, 2);
        pad.caps.minimum[0] = quint16(minimum);
        pad.caps.maximum[0] = quint16(maximum);
        pad.state.axes[0] = quint16(centre);
        JoystickFixture f;
        f.fake.joysticks.attached << pad;
        f.device->setActive(true);
        QCOMPARE(f.events, log);

        f.events.clear();
        f.fake.joysticks.report(0, {JoystickChange::StickMoved, quint16(raw), 32768});
        QCOMPARE(f.events, QStringList{QStringLiteral("move %1 0 0 0").arg(x)});
    }

    void unplugging_data()
    {
        QTest::addColumn<bool>("polling");
        QTest::addColumn<bool>("unplugged");
        QTest::addColumn<QStringList>("events");
        const QStringList stopped = {"move 0 0 0 0", "lost"};
        QTest::newRow("polled, unplugged") << true << true << stopped;
        QTest::newRow("watched, unplugged") << false << true << stopped;
        QTest::newRow("polled, a read fails") << true << false << QStringList{};
    }
    void unplugging()
    {
        QFETCH(bool, polling);
        QFETCH(bool, unplugged);
        QFETCH(QStringList, events);
        JoystickFixture f(FakeJoystick(polling ? 6 : 4, 2));
        f.device->setAdvanced(true);
        f.state().axes[1] = 0;
        if (polling)
            f.pollAt(0);
        else
            f.fake.joysticks.report(0, {JoystickChange::StickMoved, 32768, 0});
        QCOMPARE(f.events.size(), 1);
        f.events.clear();

        if (unplugged)
            f.fake.joysticks.attached.clear();
        else
            f.fake.joysticks.attached[0].readFails = true;
        if (polling)
            f.pollAt(40);
        else
            f.fake.joysticks.report(0, {JoystickChange::Unplugged});

        QCOMPARE(f.events, events);
        QCOMPARE(f.device->Active(), !unplugged);
        QCOMPARE(f.pollTimer().isActive(), polling && !unplugged);
        QVERIFY(!f.watched());
    }

    void pollingInterval_data()
    {
        QTest::addColumn<bool>("polling");
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("interval");
        QTest::newRow("not polling") << false << 100 << 0;
        QTest::newRow("within the periods") << true << 100 << 100;
        QTest::newRow("below the shortest period") << true << 5 << 10;
        QTest::newRow("beyond the longest period") << true << 5000 << 1000;
        QTest::newRow("0") << true << 0 << 0;
    }
    void pollingInterval()
    {
        QFETCH(bool, polling);
        QFETCH(int, written);
        QFETCH(int, interval);
        JoystickFixture f(polledPad());
        f.device->setAdvanced(polling);
        f.device->setPollingInterval(written);
        QCOMPARE(f.device->PollingInterval(), interval);
        if (polling && interval)
            QCOMPARE(f.pollTimer().interval(), interval);
    }

    void thresholdFactor_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<double>("taken");
        QTest::newRow("clamped to 1") << 2.0 << 32767 << 1.0;
        QTest::newRow("clamped to 0") << -1.0 << 0 << 0.0;
        // 16383.5 rounds to the even 16384.
        QTest::newRow("half, as the device took it") << 0.5 << 16384 << 16384.0 / 32767;
    }
    void thresholdFactor()
    {
        QFETCH(double, factor);
        QFETCH(int, threshold);
        QFETCH(double, taken);
        JoystickFixture f(FakeJoystick(4, 2));
        f.device->setThresholdFactor(factor);
        QCOMPARE(int(f.fake.joysticks.thresholds.value(0)), threshold);
        QCOMPARE(f.device->ThresholdFactor(), taken);
    }

    void hatInDegrees()
    {
        JoystickFixture f(FakeJoystick(6, 2, true));
        f.device->setAdvanced(true);
        QVERIFY(f.device->HasPOV());
        f.pollAt(0);
        f.state().pov = 9000;
        f.pollAt(40);
        f.pollAt(80);
        QCOMPARE(f.events, (QStringList{"pov 655.35", "pov 90"}));
    }

    void suspendingTheScreensaver_data()
    {
        QTest::addColumn<bool>("suspend");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("restarts");
        QTest::newRow("move") << true << int(JoystickChange::StickMoved) << 1;
        QTest::newRow("release") << true << int(JoystickChange::ButtonsUp) << 1;
        QTest::newRow("press") << true << int(JoystickChange::ButtonsDown) << 0;
        QTest::newRow("move, not suspending") << false << int(JoystickChange::StickMoved) << 0;
    }
    void suspendingTheScreensaver()
    {
        QFETCH(bool, suspend);
        QFETCH(int, kind);
        QFETCH(int, restarts);
        JoystickFixture f(FakeJoystick(4, 2));
        f.device->setSuspendScreensaver(suspend);
        f.fake.joysticks.report(0, {JoystickChange::Kind(kind), 0, 0, 0, 1});
        QCOMPARE(f.fake.journal.count(QStringLiteral("screensaver idle time restarted")), restarts);
    }

    void atMostTwoInstances()
    {
        FakePlatform fake;
        auto first = std::make_unique<TJoystickDevice>(fake.platform());
        TJoystickDevice second(fake.platform());
        QCOMPARE(first->ID(), 0);
        QCOMPARE(second.ID(), 1);
        try {
            TJoystickDevice third(fake.platform());
            QFAIL("a third instance was made");
        } catch (const EJoystickDeviceError &error) {
            QCOMPARE(error.message(), QStringLiteral("Not enough joysticks available for another TJoystickDevice "
                                                     "instance. Maximum joystick count is two."));
        }
        first.reset();
        TJoystickDevice again(fake.platform());
        QCOMPARE(again.ID(), 0);
    }

    void pollingWithoutTimers()
    {
        // A thread without an event loop has no timers to give.
        FakePlatform fake;
        fake.joysticks.attached << polledPad();
        QString error;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("startTimer")));
        std::thread([&] {
            TJoystickDevice device(fake.platform());
            try {
                device.setAdvanced(true);
            } catch (const EJoystickDeviceError &e) {
                error = e.message();
            }
        }).join();
        QCOMPARE(error, QStringLiteral("Not enough timers available for joystick support"));
    }
};

QTEST_GUILESS_MAIN(JoystickDeviceTest)
#include "JoystickDeviceTest.moc"
