#include "controls/JoystickDevice.h"
#include "platform/Joysticks.h"

#include "FakePlatform.h"

#include <QTest>
#include <QTimer>

#include <SDL.h>

#include <optional>

// SDL's virtual controllers stand in for real ones: they need neither a
// display nor input devices.
class SdlJoysticksTest : public QObject {
    Q_OBJECT

    std::optional<SdlJoysticks> joysticks;
    int index = -1;
    SDL_Joystick *handle = nullptr;

    void attach(int axes, int buttons, int hats = 0)
    {
        index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, axes, buttons, hats);
        QVERIFY2(index >= 0, SDL_GetError());
        handle = SDL_JoystickOpen(index);
        QVERIFY2(handle, SDL_GetError());
    }
    void detach()
    {
        SDL_JoystickClose(handle);
        SDL_JoystickDetachVirtual(index);
        handle = nullptr;
        index = -1;
    }
    Platform platform(FakePlatform &fake)
    {
        Platform platform = fake.platform();
        platform.joysticks = &*joysticks;
        return platform;
    }

private slots:
    void init()
    {
        joysticks.emplace();
        if (joysticks->deviceCount() != 0)
            QSKIP("a controller is attached to this machine");
    }
    void cleanup()
    {
        if (handle)
            detach();
        joysticks.reset();
    }

    void capabilities_data()
    {
        QTest::addColumn<int>("axes");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("hats");
        QTest::addColumn<QString>("extraAxes");
        QTest::newRow("stick and 4 buttons") << 2 << 4 << 0 << "";
        QTest::newRow("throttle, 6 buttons and a hat") << 3 << 6 << 1 << "Z";
        QTest::newRow("six axes, 12 buttons") << 6 << 12 << 1 << "ZRUV";
    }
    void capabilities()
    {
        QFETCH(int, axes);
        QFETCH(int, buttons);
        QFETCH(int, hats);
        QFETCH(QString, extraAxes);
        attach(axes, buttons, hats);
        QCOMPARE(joysticks->deviceCount(), 1);
        const std::optional<JoystickCapabilities> caps = joysticks->capabilities(0);
        QVERIFY(caps);
        QCOMPARE(caps->axisCount, axes);
        QCOMPARE(caps->buttonCount, buttons);
        QCOMPARE(caps->hasPOV, hats > 0);
        QString present;
        for (const auto &[has, name] :
             {std::pair{caps->hasZ, 'Z'}, {caps->hasR, 'R'}, {caps->hasU, 'U'}, {caps->hasV, 'V'}})
            present += has ? QString(QLatin1Char(name)) : QString();
        QCOMPARE(present, extraAxes);
        QVERIFY(!joysticks->capabilities(1));
    }

    void reading()
    {
        attach(3, 8, 1);
        SDL_JoystickSetVirtualAxis(handle, 0, 32767);
        SDL_JoystickSetVirtualAxis(handle, 1, -32768);
        SDL_JoystickSetVirtualButton(handle, 0, SDL_PRESSED);
        SDL_JoystickSetVirtualButton(handle, 5, SDL_PRESSED);
        const std::optional<JoystickReading> reading = joysticks->read(0);
        QVERIFY(reading);
        QCOMPARE(reading->axes, (JoystickAxisValues{65535, 0, 32768, 32768, 32768, 32768}));
        QCOMPARE(reading->buttons, 0x21u);
        QCOMPARE(reading->pov, HatCentred);
    }

    void hat_data()
    {
        QTest::addColumn<int>("hat");
        QTest::addColumn<quint32>("hundredths");
        QTest::newRow("forward") << int(SDL_HAT_UP) << 0u;
        QTest::newRow("forward right") << int(SDL_HAT_RIGHTUP) << 4500u;
        QTest::newRow("right") << int(SDL_HAT_RIGHT) << 9000u;
        QTest::newRow("back") << int(SDL_HAT_DOWN) << 18000u;
        QTest::newRow("back left") << int(SDL_HAT_LEFTDOWN) << 22500u;
        QTest::newRow("forward left") << int(SDL_HAT_LEFTUP) << 31500u;
        QTest::newRow("centred") << int(SDL_HAT_CENTERED) << HatCentred;
    }
    void hat()
    {
        QFETCH(int, hat);
        QFETCH(quint32, hundredths);
        attach(2, 2, 1);
        SDL_JoystickSetVirtualHat(handle, 0, Uint8(hat));
        QCOMPARE(joysticks->read(0)->pov, hundredths);
    }

    void watchReportsChangesBeyondTheThreshold()
    {
        attach(2, 4);
        QStringList changes;
        joysticks->capture(0, [&](const JoystickChange &c) {
            changes << QStringLiteral("%1 %2 %3 %4").arg(c.kind).arg(c.x).arg(c.y).arg(c.buttons);
        });
        QVERIFY(joysticks->setThreshold(0, 20000));
        QCOMPARE(joysticks->threshold(0), std::optional<quint16>(20000));

        // Changes are reported stick first, so a move within the threshold
        // would come before the button.
        SDL_JoystickSetVirtualAxis(handle, 0, 10000);
        SDL_JoystickSetVirtualButton(handle, 1, SDL_PRESSED);
        QTRY_COMPARE(changes, QStringList{QStringLiteral("%1 0 0 2").arg(JoystickChange::ButtonsDown)});

        // Both are seen by the same look; the move carries the buttons then down.
        SDL_JoystickSetVirtualAxis(handle, 0, 32767);
        SDL_JoystickSetVirtualButton(handle, 1, SDL_RELEASED);
        QTRY_COMPARE(changes.size(), 3);
        QCOMPARE(changes.mid(1), (QStringList{QStringLiteral("%1 65535 32768 0").arg(JoystickChange::StickMoved),
                                              QStringLiteral("%1 0 0 0").arg(JoystickChange::ButtonsUp)}));
    }

    void unplugging()
    {
        attach(2, 4);
        QVERIFY(joysticks->read(0));
        QVERIFY(joysticks->isAttached(0));
        detach();
        QVERIFY(!joysticks->read(0));
        QVERIFY(!joysticks->isAttached(0));
        QCOMPARE(joysticks->deviceCount(), 0);
    }

    void componentMode_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("polls");
        QTest::newRow("4 buttons, 2 axes") << 4 << false;
        QTest::newRow("6 buttons, 2 axes") << 6 << true;
    }
    void componentMode()
    {
        QFETCH(int, buttons);
        QFETCH(bool, polls);
        attach(2, buttons);
        FakePlatform fake;
        TJoystickDevice device(platform(fake));
        QVERIFY(device.Active());
        device.setAdvanced(true);
        QCOMPARE(device.Advanced(), polls);
        QCOMPARE(device.ButtonCount(), buttons);
        QCOMPARE(device.findChild<QTimer *>(QStringLiteral("pollTimer"))->isActive(), polls);
    }

    void polledStickDrivesAndStopsWhenUnplugged()
    {
        attach(2, 6);
        FakePlatform fake;
        TJoystickDevice device(platform(fake));
        device.setAdvanced(true);
        QStringList events;
        connect(&device, &TJoystickDevice::OnMove, this,
                [&](auto, const TJoyRelPos &p, auto) { events << QStringLiteral("move %1 %2").arg(p.X).arg(p.Y); });
        connect(&device, &TJoystickDevice::OnLost, this, [&] { events << QStringLiteral("lost"); });

        SDL_JoystickSetVirtualAxis(handle, 1, -32768);
        device.PollDevice();
        detach();
        device.PollDevice();
        QCOMPARE(events, (QStringList{"move 0 -1", "move 0 0", "lost"}));
        QVERIFY(!device.Active());
    }

    void controllerAttachedLaterIsTakenUp()
    {
        FakePlatform fake;
        TJoystickDevice device(platform(fake));
        device.setAdvanced(true);
        QVERIFY(!device.Active());
        attach(2, 6);
        device.setActive(true);
        QVERIFY(device.Active());
        QVERIFY(device.Advanced());
    }
};

QTEST_GUILESS_MAIN(SdlJoysticksTest)
#include "SdlJoysticksTest.moc"
