// The drive view's controls on a real window: the pad, the camera panel, the
// keyboard, with the robot's commands recorded.
#include "FormFixture.h"
#include "dialogs/TwifiDialog.h"
#include "ui/Picture.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// A signed-in window in its drive view, commands leaving by WebRTC (unframed).
struct Driving {
    FormFixture f;
    Driving()
    {
        f.selectRobot();
        f.form->driveViewShown = true;
        f.form->disableDriveView();
        f.form->link.linkState.panPresent = true;
        f.form->enableDriveView();
        f.form->link.linkState.activePath = ControlPath::WebRTC;
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    }
    TForm2 &form() { return *f.form; }
    QStringList take()
    {
        QStringList sent = f.webRtc->written;
        f.webRtc->written.clear();
        return sent;
    }
};

const QStringList threeStops{"L000R000", "L000R000", "L000R000"};

} // namespace

class DriveControlsTest : public QObject {
    Q_OBJECT
private slots:
    void pressDragRelease()
    {
        Driving d;
        QWidget *pad = d.form().Image1;
        QTest::mousePress(pad, Qt::LeftButton, {}, QPoint(30, 30));
        QCOMPARE(d.take(), threeStops);
        QVERIFY(d.form().padDragging);
        QCOMPARE(d.f.fake.pointer.moves, QList<QPoint>{pad->mapToGlobal(QPoint(110, 80))});
        QVERIFY(d.form().Image4->isVisible());

        d.form().link.driveTick(); // the pointer rests at the centre: nothing
        QVERIFY(d.take().isEmpty());

        QTest::mouseMove(pad, QPoint(165, 40));
        QCOMPARE(d.form().Image4->pos(), QPoint(159, 34));
        d.form().link.linkState.maxSpeed = 84;
        d.form().link.driveTick();
        d.form().link.linkState.maxSpeed = 100;
        d.form().link.driveTick();
        QCOMPARE(d.take(), (QStringList{"L152R131", "L163R137"}));

        QTest::mouseMove(pad, QPoint(-500, 900)); // far outside: the nearest edge
        d.form().link.driveTick();
        QCOMPARE(d.take(), QStringList{"L099R075"}); // full back, turning left

        QTest::mouseRelease(pad, Qt::LeftButton, {}, QPoint(-500, 900));
        QCOMPARE(d.take(), threeStops);
        QVERIFY(!d.form().padDragging);
        QVERIFY(!d.form().Image4->isVisible());
        QCOMPARE(d.form().Image4->pos(), QPoint(105, 75));
        QCOMPARE(d.f.fake.pointer.moves.size(), 2);
        d.form().link.driveTick();
        QVERIFY(d.take().isEmpty());
    }

    void otherButtonsAndIdleMovesDoNothing()
    {
        Driving d;
        QWidget *pad = d.form().Image1;
        QTest::mouseMove(pad, QPoint(200, 10));
        QTest::mousePress(pad, Qt::RightButton, {}, QPoint(200, 10));
        QTest::mouseRelease(pad, Qt::RightButton, {}, QPoint(200, 10));
        d.form().link.driveTick();
        QVERIFY(d.take().isEmpty());
        QCOMPARE(d.form().link.leftWheelDemand, 0.0f);
    }

    void stopsThatFailAreLogged()
    {
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        Driving d;
        d.form().settings.Logging = true;
        d.f.webRtc->failing = true;
        QTest::mousePress(d.form().Image1, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(d.form().Image1, Qt::LeftButton, {}, QPoint(10, 10));
        QFile log(d.form().link.logFilePath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray lines = log.readAll();
        QVERIFY(lines.contains(" : Send Error\r\n"));
        QVERIFY(lines.contains(" : Send Error mouse up\r\n"));
    }

    void autoCentreWhileDrivingFast_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("pan");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("fast forward") << QPoint(110, 0) << 30 << QStringList{"MKP09000", "L199R199"};
        QTest::newRow("fast backward") << QPoint(110, 160) << 30 << QStringList{"MKP09000", "L099R099"};
        QTest::newRow("already centred") << QPoint(110, 0) << 45 << QStringList{"L199R199"};
        QTest::newRow("slow") << QPoint(110, 60) << 30 << QStringList{"L125R125"};
    }
    void autoCentreWhileDrivingFast()
    {
        Driving d;
        d.form().settings.autoCenter = true;
        QFETCH(int, pan);
        d.form().panBar->setValue(pan);
        QTest::mousePress(d.form().Image1, Qt::LeftButton, {}, QPoint(110, 80));
        QFETCH(QPoint, at);
        QTest::mouseMove(d.form().Image1, at);
        d.take();
        d.form().link.Timer1Timer(); // the tick: no ping due, then the drive command
        QTEST(d.take(), "sent");
    }

    void cameraButtons()
    {
        Driving d;
        d.form().PanLeft->click();
        d.form().TiltDown->click();
        QCOMPARE(d.take(), (QStringList{"MKP09200", "MKT09100"}));
        d.form().panBar->setValue(0);
        d.take();
        d.form().PanLeft->click(); // at the end of the bar: nothing
        QVERIFY(d.take().isEmpty());
        d.form().panBar->setValue(45);
        d.form().tiltBar->setValue(60);
        d.take();
        d.form().Center->click();
        QCOMPARE(d.take(), QStringList{"MKT09000"});
    }

    void memoryRecallAndSave()
    {
        QTemporaryDir home;
        qputenv("QUORVELBOT_HOME", home.path().toLocal8Bit());
        Driving d;
        QFile list(home.filePath("quorvelbot.ini"));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("#LastSelected:1\r\nSocket,Lab bench,192.168.1.20,Other,,,45:45:45:45:45:45\r\n");
        list.close();
        // memories not yet loaded: pan 0
        QTest::mouseClick(d.form().M2, Qt::LeftButton);
        QCOMPARE(d.take(), QStringList{"MKP18000"});
        QCOMPARE(d.form().statusBarLabel->text(), QStringLiteral("Recalled camera position M2"));

        d.form().tiltBar->setValue(30);
        d.form().panBar->setValue(60);
        QTest::mousePress(d.form().M3, Qt::LeftButton);
        QCOMPARE(d.form().mTimer->interval(), 2500);
        QVERIFY(d.form().mTimer->isActive());
        d.form().mTimerTimer(); // held past the timer
        QCOMPARE(d.form().statusBarLabel->text(), QStringLiteral("Saved camera position to M3"));
        QTest::mouseRelease(d.form().M3, Qt::LeftButton);
        QCOMPARE(d.form().memorySlotPressed, 0);
        QVERIFY(list.open(QIODevice::ReadOnly));
        QVERIFY(list.readAll().contains(",45:0:45:0:30:60\r\n"));
    }

    void memoryButtonsTakeAnyMouseButton_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }
    void memoryButtonsTakeAnyMouseButton()
    {
        Driving d;
        d.form().cameraMemories[0] = {5, 10};
        QFETCH(Qt::MouseButton, button);
        QTest::mousePress(d.form().M1, button);
        QVERIFY(d.form().mTimer->isActive());
        QTest::mouseMove(d.form().M1, QPoint(-40, -40)); // sliding off: still held
        QVERIFY(d.take().isEmpty());
        QTest::mouseRelease(d.form().M1, button);
        QCOMPARE(d.take(), (QStringList{"MKT05000", "MKP16000"}));
        QVERIFY(!d.form().mTimer->isActive());
        QCOMPARE(d.form().memorySlotPressed, 0); // a recall marks nothing for saving
    }

    void aRecallLeavesTheNextRobotsMemoriesAlone()
    {
        QTemporaryDir home;
        qputenv("QUORVELBOT_HOME", home.path().toLocal8Bit());
        Driving d;
        QTest::mouseClick(d.form().M2, Qt::LeftButton);
        ContactList &list = d.form().contactList;
        list.entries[1] = list.entries[0];
        list.entries[1].cameraMemoryText = QStringLiteral("1:2:3:4:5:6");
        list.count = 2;
        list.lastSelected = 2;
        d.form().reloadBotFile(-1); // as the next sign-in does
        QCOMPARE(d.form().contactList.entries[1].cameraMemoryText, QStringLiteral("1:2:3:4:5:6"));
    }

    void aHoldCutShortByTheViewSavesNothing()
    {
        Driving d;
        QTest::mousePress(d.form().M3, Qt::LeftButton);
        d.form().mTimerTimer();
        d.form().disableDriveView(); // the session ends with the button held
        QVERIFY(!d.form().mTimer->isActive());
        QCOMPARE(d.form().memorySlotPressed, 0);
        QCOMPARE(d.form().memoryButtonHeld, 0);
    }

    void keysOnAFocusedBarMoveItTheWayItShows_data()
    {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("sent");
        QTest::newRow("tilt up") << "tilt" << int(Qt::Key_Up) << "MKT08900";
        QTest::newRow("tilt down") << "tilt" << int(Qt::Key_Down) << "MKT09100";
        QTest::newRow("pan left") << "pan" << int(Qt::Key_Left) << "MKP09200";
        QTest::newRow("pan right") << "pan" << int(Qt::Key_Right) << "MKP08800";
    }
    void keysOnAFocusedBarMoveItTheWayItShows()
    {
        Driving d;
        QFETCH(QString, bar);
        QFETCH(int, key);
        QSlider *slider = bar == "tilt" ? d.form().tiltBar : d.form().panBar;
        QTest::keyClick(slider, Qt::Key(key));
        QTEST(d.take().value(0), "sent");
    }

    void keys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("camera keys") << "wsadWSAD" << QStringList{"MKT08900", "MKT09000", "MKP09200", "MKP09000",
                                                                 "MKT08900", "MKT09000", "MKP09200", "MKP09000"};
        QTest::newRow("centre when centred") << "c" << QStringList{};
        QTest::newRow("memory") << "1" << QStringList{"MKT05000", "MKP16000"};
        QTest::newRow("headlights") << "hH" << QStringList{"XH025000", "XH050000"};
        QTest::newRow("other keys") << "xz9" << QStringList{};
    }
    void keys()
    {
        Driving d;
        d.form().cameraMemories[0] = {5, 10};
        d.form().link.linkState.headlightsPresent = true;
        d.form().headLightButton->setEnabled(true);
        QFETCH(QString, keys);
        for (const QChar key : keys)
            QTest::keyClick(d.form().Disconnect, key.toLatin1()); // a control has the focus
        QTEST(d.take(), "sent");
    }

    void aHeldKeyActsOnce()
    {
        Driving d;
        QWidget *focus = d.form().Disconnect;
        QTest::keyPress(focus, Qt::Key_D, {}, -1);
        for (int i = 0; i < 3; ++i) { // the repeats of a held key
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_D, {}, QStringLiteral("d"), true);
            QCoreApplication::sendEvent(focus, &repeat); // a sent event stays the sender's
        }
        QTest::keyPress(focus, Qt::Key_A); // pressed while d is held: ignored
        QCOMPARE(d.take(), QStringList{"MKP08800"});
        QTest::keyRelease(focus, Qt::Key_Shift); // any release re-arms
        QTest::keyPress(focus, Qt::Key_A);
        QCOMPARE(d.take(), QStringList{"MKP09000"});
    }

    void keysDoNothingInTheSignInView()
    {
        Driving d;
        d.form().disableDriveView();
        d.take();
        QTest::keyClick(d.form().SignIn, 'd');
        QVERIFY(d.take().isEmpty());
    }

    void laserKey()
    {
        Driving d;
        QTest::keyClick(d.form().Disconnect, 'l');
        QVERIFY(d.take().isEmpty()); // no laser fitted
        QCOMPARE(d.form().statusBarLabel->text(), QStringLiteral("Laser Toggle "));
        d.form().link.processIncomingData(QStringLiteral("laserPresent:1"));
        QTest::keyClick(d.form().Disconnect, 'L');
        QCOMPARE(d.take(), QStringList{"XL123456"});
        QCOMPARE(d.form().statusBarLabel->text(), QStringLiteral("Laser On"));
    }

    // However a session ends under a held pad, the robot is stopped and the
    // next session starts without a wheel command.
    void aSessionEndingDuringADragLeavesTheWheelsStill_data()
    {
        QTest::addColumn<QString>("end");
        QTest::newRow("the robot's goodbye") << "Z";
        QTest::newRow("the command time-out") << "time-out";
        QTest::newRow("the End button") << "End";
        QTest::newRow("a restart") << "restart";
    }
    void aSessionEndingDuringADragLeavesTheWheelsStill()
    {
        Driving d;
        QTest::mousePress(d.form().Image1, Qt::LeftButton, {}, QPoint(110, 80));
        QTest::mouseMove(d.form().Image1, QPoint(110, 0));
        d.form().link.driveTick();
        QCOMPARE(d.take().last(), QStringLiteral("L199R199"));

        QFETCH(QString, end);
        if (end == "Z")
            d.form().link.processIncomingData(QStringLiteral("Z"));
        else if (end == "time-out")
            d.form().link.commandTimeOutTimerTimer();
        else if (end == "End")
            d.form().Disconnect->click();
        else
            d.form().link.restart();
        QVERIFY(!d.form().padDragging);
        QCOMPARE(d.form().link.leftWheelDemand, 0.0f);
        QCOMPARE(d.form().link.rightWheelDemand, 0.0f);
        for (const QString &command : d.take())
            QVERIFY2(!command.startsWith(u'L') || command == "L000R000", qPrintable(command));

        d.form().disableDriveView();
        d.form().link.linkState.activePath = ControlPath::WebRTC;
        d.form().enableDriveView();
        d.form().link.driveTick();
        d.form().link.driveTick();
        QVERIFY(d.take().isEmpty());
    }

    void aHeldPadThatLosesThePointerStops_data()
    {
        QTest::addColumn<QString>("loss");
        QTest::newRow("a box opens") << "box";
        QTest::newRow("a dialog opens") << "dialog";
        QTest::newRow("the robot's networks are listed") << "networks";
        QTest::newRow("another window is activated") << "deactivated";
        QTest::newRow("the release went elsewhere") << "grab";
    }
    void aHeldPadThatLosesThePointerStops()
    {
        Driving d;
        QWidget *pad = d.form().Image1;
        d.form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d.form()));
        QTest::mousePress(pad, Qt::LeftButton, {}, QPoint(110, 80));
        QTest::mouseMove(pad, QPoint(110, 0));
        d.take();

        QFETCH(QString, loss);
        QDialog dialog(&d.form());
        QWidget other;
        if (loss == "box") {
            d.form().showMessage(QStringLiteral("Robot list saved"));
        } else if (loss == "dialog") {
            dialog.setModal(true);
            dialog.show();
        } else if (loss == "networks") {
            d.form().link.processIncomingData(QStringLiteral("E:Lab,50:Hall,30"));
            QVERIFY(d.form().networkDialog().isVisible());
        } else if (loss == "deactivated") {
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
        } else {
            QMouseEvent move(QEvent::MouseMove, QPointF(110, 20), pad->mapToGlobal(QPointF(110, 20)), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(pad, &move);
        }
        QCOMPARE(d.take(), threeStops);
        QVERIFY(!d.form().padDragging);
        QVERIFY(!d.form().Image4->isVisible());
        d.form().link.driveTick();
        QVERIFY(d.take().isEmpty());
    }
};

QTEST_MAIN(DriveControlsTest)
#include "DriveControlsTest.moc"
