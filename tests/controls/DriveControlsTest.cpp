// The drive view's controls on a real window: the pad, the camera panel, the
// keyboard, with the robot's commands recorded.
#include "FormFixture.h"
#include "ui/Picture.h"

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
        f.form->linkState.panPresent = true;
        f.form->enableDriveView();
        f.form->linkState.pathWebRtc = true;
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

        d.form().driveTick(); // the pointer rests at the centre: nothing
        QVERIFY(d.take().isEmpty());

        QTest::mouseMove(pad, QPoint(165, 40));
        QCOMPARE(d.form().Image4->pos(), QPoint(159, 34));
        d.form().linkState.maxSpeed = 84;
        d.form().driveTick();
        d.form().linkState.maxSpeed = 100;
        d.form().driveTick();
        QCOMPARE(d.take(), (QStringList{"L152R131", "L163R137"}));

        QTest::mouseMove(pad, QPoint(-500, 900)); // far outside: the nearest edge
        d.form().driveTick();
        QCOMPARE(d.take(), QStringList{"L099R075"}); // full back, turning left

        QTest::mouseRelease(pad, Qt::LeftButton, {}, QPoint(-500, 900));
        QCOMPARE(d.take(), threeStops);
        QVERIFY(!d.form().padDragging);
        QVERIFY(!d.form().Image4->isVisible());
        QCOMPARE(d.form().Image4->pos(), QPoint(105, 75));
        QCOMPARE(d.f.fake.pointer.moves.size(), 2);
        d.form().driveTick();
        QVERIFY(d.take().isEmpty());
    }

    void otherButtonsAndIdleMovesDoNothing()
    {
        Driving d;
        QWidget *pad = d.form().Image1;
        QTest::mouseMove(pad, QPoint(200, 10));
        QTest::mousePress(pad, Qt::RightButton, {}, QPoint(200, 10));
        QTest::mouseRelease(pad, Qt::RightButton, {}, QPoint(200, 10));
        d.form().driveTick();
        QVERIFY(d.take().isEmpty());
        QCOMPARE(d.form().leftWheelDemand, 0.0f);
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
        QFile log(d.form().logFilePath());
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
        d.form().Timer1Timer(); // the tick: no ping due, then the drive command
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
        d.form().linkState.headlightsPresent = true;
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
        d.form().processIncomingData(QStringLiteral("laserPresent:1"));
        QTest::keyClick(d.form().Disconnect, 'L');
        QCOMPARE(d.take(), QStringList{"XL123456"});
        QCOMPARE(d.form().statusBarLabel->text(), QStringLiteral("Laser On"));
    }
};

QTEST_MAIN(DriveControlsTest)
#include "DriveControlsTest.moc"
