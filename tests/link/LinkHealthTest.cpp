#include "FormFixture.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

class LinkHealthTest : public QObject {
    Q_OBJECT
private slots:
    void pingEveryFiveSeconds_data()
    {
        QTest::addColumn<int>("sinceLastPing");
        QTest::addColumn<bool>("pinged");
        QTest::newRow("4.9 s") << 4900 << false;
        QTest::newRow("5.0 s") << 5000 << true;
        QTest::newRow("5.2 s") << 5200 << true;
        QTest::newRow("61 s: seconds field 1") << 61000 << false;
        QTest::newRow("65 s") << 65000 << true;
    }
    void pingEveryFiveSeconds()
    {
        FormFixture f;
        f.form->link.linkState.activePath = ControlPath::WebRTC;
        f.form->link.linkState.lastPingTime = 1393675195045;
        QFETCH(int, sinceLastPing);
        f.fake.clock.now = f.form->link.linkState.lastPingTime + sinceLastPing;
        f.form->link.Timer1Timer();
        QFETCH(bool, pinged);
        if (!pinged) {
            QVERIFY(f.webRtc->written.isEmpty());
            return;
        }
        const QString stamp = QString::number(f.fake.clock.now);
        QCOMPARE(f.webRtc->written, QStringList{"PING:" + stamp});
        QCOMPARE(f.form->link.linkState.lastPingStamp, stamp);
        QCOMPARE(f.form->link.linkState.lastPingTime, f.fake.clock.now);
        QCOMPARE(f.form->link.linkState.FStartTime, f.fake.clock.now);
    }

    void echoes_data()
    {
        QTest::addColumn<QString>("echo");
        QTest::addColumn<QString>("label");
        QTest::newRow("latest ping") << "PING:1393675200045" << "0.153 s";
        QTest::newRow("older ping") << "PING:1393675195045" << "00.000s";
        QTest::newRow("bare") << "PING" << "00.153s";
        QTest::newRow("no colon") << "PINGPONG" << "00.153s";
    }
    void echoes()
    {
        FormFixture f;
        f.form->link.linkState.lastPingStamp = QStringLiteral("1393675200045");
        f.form->link.linkState.FStartTime = 1393675200045;
        f.fake.clock.now = 1393675200198;
        QFETCH(QString, echo);
        f.form->link.processIncomingData(echo);
        QTEST(f.form->connectionDelayLabel->text(), "label");
    }

    void anEchoBeforeAnyPingIsNotANumber()
    {
        FormFixture f;
        f.fake.clock.now = 1393675200198;
        QVERIFY_THROWS_EXCEPTION(LinkError, f.form->link.processIncomingData(QStringLiteral("PING:")));
        QCOMPARE(f.form->connectionDelayLabel->text(), QStringLiteral("00.000s"));
    }

    void bareEchoShowsSecondsWithinTheMinute()
    {
        FormFixture f;
        f.form->link.linkState.FStartTime = 1000;
        f.fake.clock.now = 2200;
        f.form->link.processIncomingData(QStringLiteral("PING"));
        QCOMPARE(f.form->connectionDelayLabel->text(), QStringLiteral("01.200s"));
    }

    void aFailedPingEndsTheTick()
    {
        FormFixture f;
        f.form->link.linkState.activePath = ControlPath::WebRTC;
        f.webRtc->failing = true;
        f.fake.clock.now = 10000;
        f.form->link.leftWheelDemand = f.form->link.rightWheelDemand = 99;
        QVERIFY_THROWS_EXCEPTION(LinkError, f.form->link.Timer1Timer());
        f.webRtc->failing = false;
        QVERIFY(f.webRtc->written.isEmpty()); // no drive command in that tick
        f.form->link.Timer1Timer(); // the next tick pings again, then drives
        QCOMPARE(f.webRtc->written, (QStringList{"PING:10000", "L199R199"}));
    }

    void unansweredPingsShowTheSilenceInRed()
    {
        FormFixture f;
        f.form->link.linkState.activePath = ControlPath::WebRTC;
        f.fake.clock.now = 1393675200045;
        f.form->link.linkState.lastPingTime = f.fake.clock.now - 5000;
        f.form->link.Timer1Timer(); // first ping
        const QString normal = f.form->connectionDelayLabel->text();
        f.fake.clock.now += 2000;
        f.form->link.Timer1Timer(); // its echo is still on the way
        QCOMPARE(f.form->connectionDelayLabel->text(), normal);

        f.fake.clock.now += 3000;
        f.form->link.Timer1Timer(); // the next ping, the first one unanswered
        QCOMPARE(f.form->connectionDelayLabel->text(), QStringLiteral("5 s"));
        const QColor red = f.form->connectionDelayLabel->palette().color(QPalette::WindowText);
        QCOMPARE(red, QColor(Qt::red));
        f.fake.clock.now += 2250;
        f.form->link.Timer1Timer();
        QCOMPARE(f.form->connectionDelayLabel->text(), QStringLiteral("7 s"));
        QCOMPARE(f.form->connectionDelayLabel->toolTip(), QStringLiteral("No answer from the robot for 7 s"));

        f.form->link.processIncomingData(QStringLiteral("PING:") + f.form->link.linkState.lastPingStamp);
        QCOMPARE(f.form->connectionDelayLabel->text(), QStringLiteral("2.25 s"));
        QVERIFY(f.form->connectionDelayLabel->palette().color(QPalette::WindowText) != red);
        QCOMPARE(f.form->connectionDelayLabel->toolTip(), QStringLiteral("Roundtrip Connection Delay"));
    }

    void silenceEndsTheSession()
    {
        FormFixture f;
        f.selectRobot();
        f.form->link.linkState.activePath = ControlPath::DirectSocket;
        f.form->driveViewShown = true;
        f.form->link.commandTimeOutTimer->start();
        f.form->link.commandTimeOutTimerTimer();
        QVERIFY(!f.form->link.commandTimeOutTimer->isActive());
        QVERIFY(f.socket->written.last().endsWith(":Z"));
        QVERIFY(!f.form->driveViewShown);
        QCOMPARE(f.form->statusBarLabel->text(), QStringLiteral("Connection to the robot lost"));
        QVERIFY(!f.form->link.statusLine.statusBarTimer->isActive()); // it stays until the next status
    }

    void timersAsTheyAreWired()
    {
        FormFixture f;
        QCOMPARE(f.form->link.Timer1->interval(), 250);
        QCOMPARE(f.form->link.commandTimeOutTimer->interval(), 15000);
        f.form->link.commandTimeOutTimer->setInterval(30);
        f.selectRobot();
        f.form->driveViewShown = true;
        f.form->link.commandTimeOutTimer->start();
        QTRY_VERIFY_WITH_TIMEOUT(!f.form->driveViewShown, 2000); // the real timer ends it too
    }
};

QTEST_MAIN(LinkHealthTest)
#include "LinkHealthTest.moc"
