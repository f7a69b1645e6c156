#include "LinkFixture.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// A path hands every message to the dispatcher and drops its errors.
void deliver(LinkFixture &f, const QString &message)
{
    try {
        f.link.processIncomingData(message);
    } catch (const LinkError &) {
    }
}

// A sign-in over the direct socket, waiting for the login answer.
void signingIn(LinkFixture &f, const QString &peer = QStringLiteral("Other"),
               const QString &memories = QStringLiteral("45:45:45:45:45:45"))
{
    f.selectRobot(peer, memories);
    f.link.linkState.activePath = ControlPath::DirectSocket;
    f.link.linkState.loginRequested = true;
    f.link.linkState.pathAttempt = 0;
    f.settings.accelSetting = 7;
    f.link.Timer3->start(6000);
}

QStringList keyGroup(std::initializer_list<const char *> keys)
{
    QStringList group{QStringLiteral("pause 100")};
    for (const char *key : keys)
        group << QString::fromLatin1(key);
    return group;
}

} // namespace

class DispatcherTest : public QObject {
    Q_OBJECT
private slots:
    void loginAnswer_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("isAdmin");
        QTest::addColumn<int>("maxSpeed");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("generation");
        QTest::addColumn<bool>("flagsKnown");
        QTest::addColumn<bool>("pan360");
        QTest::addColumn<bool>("multiRadio");
        QTest::addColumn<bool>("headlights");
        QTest::newRow("five fields") << "AUTH:1:80:TRUE:T2" << true << 80 << "T2" << "0" << false << false << false
                                     << false;
        QTest::newRow("all flags") << "AUTH:0:100:FALSE:M3:7C:1" << false << 100 << "M3" << "1" << true << true << true
                                   << true;
        QTest::newRow("table-top has no headlights")
            << "AUTH:0:100:FALSE:T3:7C:1" << false << 100 << "T3" << "1" << true << true << true << false;
        QTest::newRow("no flags set") << "AUTH:10:50:x:M1:00" << true << 50 << "M1" << "0" << true << false << false
                                      << false;
        QTest::newRow("lower-case hex") << "AUTH:0:30:x:M1:08" << false << 30 << "M1" << "0" << true << false << false
                                        << true;
    }
    void loginAnswer()
    {
        LinkFixture f;
        signingIn(f);
        f.link.linkState.laserPresent = true;
        f.link.linkState.headlightLevel = 2;
        QSignalSpy started(&f.link, &RobotLink::sessionStarting);
        QFETCH(QString, answer);
        f.link.processIncomingData(answer);

        const LinkState &s = f.link.linkState;
        QTEST(s.isAdmin, "isAdmin");
        QTEST(s.maxSpeed, "maxSpeed");
        QTEST(s.robotModel, "model");
        QTEST(s.robotGeneration, "generation");
        QTEST(s.accessoryFlagsKnown, "flagsKnown");
        QVERIFY(s.panPresent); // offered after every login
        QTEST(s.pan360, "pan360");
        QTEST(s.multiRadioPresent, "multiRadio");
        QTEST(s.headlightsPresent, "headlights");
        QVERIFY(!s.laserPresent);
        QCOMPARE(s.headlightLevel, 0);

        // the session has started
        QVERIFY(s.sessionOpen);
        QVERIFY(s.inSession);
        QCOMPARE(started.count(), 1); // the drive view opens
        QVERIFY(!f.link.Timer3->isActive());
        QVERIFY(f.link.commandTimeOutTimer->isActive());
        QCOMPARE(f.socket->written.size(), 1);
        QVERIFY(f.socket->written[0].endsWith(":XE070000"));
        QCOMPARE(f.link.statusLine.text(), QStringLiteral("Logged in via Direct Socket"));
    }

    void loginAnswerNeedsAPendingLogin()
    {
        LinkFixture f;
        signingIn(f);
        f.link.linkState.loginRequested = false;
        f.link.processIncomingData(QStringLiteral("AUTH:1:80:TRUE:T2"));
        QVERIFY(!f.link.linkState.isAdmin);
        QCOMPARE(f.link.linkState.maxSpeed, 100);
        QVERIFY(!f.link.linkState.sessionOpen);
        QVERIFY(f.link.Timer3->isActive());
        QVERIFY(f.sent().isEmpty());
    }

    void loginAnswerStopsAtABadField_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("memories");
        QTest::addColumn<int>("maxSpeed");
        QTest::addColumn<bool>("watchdogRunning");
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("flagsKnown");
        const QString good = QStringLiteral("45:45:45:45:45:45");
        QTest::newRow("no field 3") << "AUTH:1:80" << good << 80 << true << "" << false;
        QTest::newRow("speed not a number") << "AUTH:1:fast:x:M3" << good << 100 << true << "" << false;
        QTest::newRow("short camera memories") << "AUTH:1:80:x:M3" << "45:45:45" << 80 << false << "" << false;
        QTest::newRow("no model") << "AUTH:1:80:x" << good << 80 << false << "" << false;
        QTest::newRow("flags not hex") << "AUTH:1:80:x:M3:ZZ" << good << 80 << false << "M3" << true;
    }
    void loginAnswerStopsAtABadField()
    {
        LinkFixture f;
        QFETCH(QString, memories);
        signingIn(f, QStringLiteral("Other"), memories);
        QSignalSpy started(&f.link, &RobotLink::sessionStarting);
        QFETCH(QString, answer);
        QVERIFY_THROWS_EXCEPTION(LinkError, f.link.processIncomingData(answer));
        QVERIFY(f.link.linkState.isAdmin);
        QTEST(f.link.linkState.maxSpeed, "maxSpeed");
        QTEST(f.link.Timer3->isActive(), "watchdogRunning");
        QTEST(f.link.linkState.robotModel, "model");
        QTEST(f.link.linkState.accessoryFlagsKnown, "flagsKnown");
        QVERIFY(!f.link.linkState.sessionOpen);
        QCOMPARE(started.count(), 0);
        QVERIFY(f.sent().isEmpty());
    }



    void loginAnswerPlacesTheCall()
    {
        LinkFixture f;
        signingIn(f, QStringLiteral("lab-head"));
        f.link.processIncomingData(QStringLiteral("AUTH:1:80:x:M3"));
        QStringList expected{"skype create", "skype activeCallCount", "skype focus",
                             "skype openMessageDialog lab-head []", "skype focus"};
        for (const char *second : {"86", "67"}) {
            expected << keyGroup({"key 18 down"}) << keyGroup({"key 65 down", "key 65 up"})
                     << keyGroup({qPrintable(QStringLiteral("key %1 down").arg(second)),
                                  qPrintable(QStringLiteral("key %1 up").arg(second))})
                     << keyGroup({"key 18 up"});
        }
        QCOMPARE(f.fake.journal, expected);
        QVERIFY(f.fake.boxes.shown.isEmpty());
        QVERIFY(f.link.linkState.sessionOpen);
    }

    void callAlreadyUp_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("partner");
        QTest::addColumn<bool>("sessionOpen");
        QTest::addColumn<bool>("placed");
        QTest::newRow("in progress, case differs") << 5 << "LAB-Head" << false << false;
        QTest::newRow("ringing") << 4 << "lab-head" << false << true;
        QTest::newRow("other partner") << 5 << "someone" << false << true;
        QTest::newRow("session already open") << 4 << "lab-head" << true << false;
    }
    void callAlreadyUp()
    {
        LinkFixture f;
        signingIn(f, QStringLiteral("lab-head"));
        QFETCH(int, status);
        QFETCH(QString, partner);
        QFETCH(bool, sessionOpen);
        f.fake.skype.calls = {{status, partner}};
        f.link.linkState.sessionOpen = sessionOpen;
        f.link.processIncomingData(QStringLiteral("AUTH:1:80:x:M3"));
        QTEST(f.fake.journal.contains(QStringLiteral("skype focus")), "placed");
        QVERIFY(f.link.linkState.sessionOpen);
    }

    void callProblems_data()
    {
        QTest::addColumn<bool>("creationFails");
        QTest::addColumn<bool>("operationsFail");
        QTest::newRow("client cannot be created") << true << false;
        QTest::newRow("client does not answer") << false << true;
    }
    void callProblems()
    {
        LinkFixture f;
        signingIn(f, QStringLiteral("lab-head"));
        QFETCH(bool, creationFails);
        QFETCH(bool, operationsFail);
        f.fake.skype.creationFails = creationFails;
        f.fake.skype.operationsFail = operationsFail;
        f.link.processIncomingData(QStringLiteral("AUTH:1:80:x:M3"));
        QCOMPARE(f.fake.boxes.shown.size(), 1);
        QVERIFY(f.fake.boxes.shown[0].text.startsWith("Cannot place a call because of a problem in place call\r\n"));
        QCOMPARE(f.fake.boxes.shown[0].icon, BoxIcon::None);
        QVERIFY(f.link.linkState.sessionOpen); // the login goes on
    }

    void clientIsCreatedOnceAndNotForOther()
    {
        LinkFixture f;
        signingIn(f, QStringLiteral("Other"));
        f.link.processIncomingData(QStringLiteral("AUTH:1:80:x:M3"));
        QVERIFY(f.fake.journal.isEmpty());
        for (int i = 0; i < 2; ++i) {
            signingIn(f, QStringLiteral("lab-head"));
            f.link.linkState.sessionOpen = false;
            f.link.processIncomingData(QStringLiteral("AUTH:1:80:x:M3"));
        }
        QCOMPARE(f.fake.skype.created, 1);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("boxText");
        QTest::addColumn<QString>("boxCaption");
        QTest::addColumn<int>("boxIcon");
        QTest::addColumn<bool>("watchdogRunning");
        QTest::newRow("uperror") << "UPERROR" << "Username/Password Error" << "Username/Password Error"
                                 << "Login Error" << int(BoxIcon::Warning) << false;
        QTest::newRow("low battery") << "FC1" << "" << "Call ended because low battery was detected at QuorvelBot"
                                     << "Error" << int(BoxIcon::Warning) << true;
        QTest::newRow("busy") << "BUSY:3" << "Busy - Try Again Later" << "" << "" << 0 << false;
        QTest::newRow("call failed") << "CALLFAILED" << "Call Failed" << "" << "" << 0 << true;
        QTest::newRow("mismatch") << "CONTROLLERMISMATCH" << ""
                                  << "Current QuorvelBot Controller version not compatible with Robot "
                                     "Application\r\nUpgrade to the latest version"
                                  << "Error" << int(BoxIcon::None) << false;
    }
    void refusals()
    {
        LinkFixture f;
        signingIn(f);
        f.link.commandTimeOutTimer->start();
        QSignalSpy signInOffered(&f.link, &RobotLink::signInReady);
        QFETCH(QString, message);
        f.link.processIncomingData(message);

        // every refusal ends in the session restart
        const LinkState &s = f.link.linkState;
        QVERIFY(!s.loginRequested && !s.sessionOpen && !s.pathSocket());
        QVERIFY(signInOffered.count() >= 1);
        QTEST(f.link.statusLine.text(), "status");
        QTEST(f.link.Timer3->isActive(), "watchdogRunning");
        QFETCH(QString, boxText);
        if (boxText.isEmpty()) {
            QVERIFY(f.fake.boxes.shown.isEmpty());
        } else {
            QCOMPARE(f.fake.boxes.shown.size(), 1);
            QCOMPARE(f.fake.boxes.shown[0].text, boxText);
            QTEST(f.fake.boxes.shown[0].caption, "boxCaption");
            QTEST(int(f.fake.boxes.shown[0].icon), "boxIcon");
        }
        QVERIFY(f.sent().isEmpty());
    }

    void robotEndsTheSession()
    {
        LinkFixture f;
        signingIn(f);
        f.link.processIncomingData(QStringLiteral("AUTH:1:80:x:M3"));
        f.fake.journal.clear();
        QSignalSpy ended(&f.link, &RobotLink::sessionEnded);
        f.link.processIncomingData(QStringLiteral("Z"));
        QVERIFY(f.socket->written.last().endsWith(":Z"));
        QCOMPARE(f.fake.journal, QStringList{"pause 500"});
        QVERIFY(!f.link.linkState.pathSocket() && !f.link.linkState.inSession);
        QCOMPARE(ended.count(), 1); // the sign-in view comes back
        QVERIFY(!f.link.commandTimeOutTimer->isActive() && !f.link.Timer1->isActive());
        QCOMPARE(f.link.statusLine.text(), QStringLiteral("Ready"));
    }

    void sessionEndHangsUpTheCall()
    {
        LinkFixture f;
        signingIn(f, QStringLiteral("lab-head"));
        f.fake.skype.calls = {{5, "lab-head"}};
        f.link.processIncomingData(QStringLiteral("AUTH:1:80:x:M3"));
        f.fake.journal.clear();
        QSignalSpy ended(&f.link, &RobotLink::sessionEnded);
        f.link.processIncomingData(QStringLiteral("Z"));
        const QStringList hangUp{"skype focus",  "pause 100",   "key 18 down", "pause 100", "key 65 down",
                                 "key 65 up",    "pause 100",   "key 78 down", "key 78 up", "pause 100",
                                 "key 18 up",    "pause 500"};
        QCOMPARE(f.fake.journal, hangUp);
    }

    void loginResend_data()
    {
        QTest::addColumn<QString>("announcement");
        QTest::addColumn<bool>("loginRequested");
        QTest::addColumn<bool>("sessionOpen");
        QTest::addColumn<int>("earlierResends");
        QTest::addColumn<bool>("resent");
        QTest::newRow("board serial") << "boardSerialNumber:A1" << true << false << 0 << true;
        QTest::newRow("wifi radios") << "wifiNo:2" << true << false << 2 << true;
        QTest::newRow("no login pending") << "wifiNo:2" << false << false << 0 << false;
        QTest::newRow("session open") << "boardSerialNumber:A1" << true << true << 0 << false;
        QTest::newRow("fourth") << "boardSerialNumber:A1" << true << false << 3 << false;
        QTest::newRow("robot serial never") << "robotSerialNumber:R1" << true << false << 0 << false;
    }
    void loginResend()
    {
        LinkFixture f;
        signingIn(f);
        f.link.userName = QStringLiteral("pilot");
        f.link.password = QStringLiteral("secret");
        f.link.linkState.loginType = 1;
        QFETCH(bool, loginRequested);
        QFETCH(bool, sessionOpen);
        QFETCH(int, earlierResends);
        f.link.linkState.loginRequested = loginRequested;
        f.link.linkState.sessionOpen = sessionOpen;
        f.link.linkState.loginResendCount = earlierResends;
        QFETCH(QString, announcement);
        f.link.processIncomingData(announcement);

        QFETCH(bool, resent);
        if (!resent) {
            QVERIFY(f.sent().isEmpty());
            QCOMPARE(f.link.linkState.loginResendCount, earlierResends);
            return;
        }
        QCOMPARE(f.socket->written.size(), 2);
        QVERIFY(f.socket->written[0].endsWith(":Z"));
        QVERIFY(f.socket->written[1].endsWith(":Upilot:secret:3.2:0:0"));
        QCOMPARE(f.fake.journal, QStringList{"pause 500"});
        QCOMPARE(f.link.statusLine.text(), QStringLiteral("Resending ..."));
        QVERIFY(f.link.Timer3->isActive());
        QCOMPARE(f.link.Timer3->interval(), 6000);
        QCOMPARE(f.link.linkState.loginResendCount, earlierResends + 1);
    }

    void resendsAreSpacedAndLimited()
    {
        LinkFixture f;
        signingIn(f);
        f.fake.clock.now = 1393675200045;
        const auto announce = [&] { f.link.processIncomingData(QStringLiteral("boardSerialNumber:A1")); };
        announce();
        QCOMPARE(f.link.linkState.lastResendStamp, QStringLiteral("1393675200045"));
        f.fake.clock.now += 100;
        announce(); // within 100 ms of the last: not again
        QCOMPARE(f.link.linkState.loginResendCount, 1);
        f.fake.clock.now += 1;
        announce();
        f.fake.clock.now += 1000;
        announce();
        f.fake.clock.now += 1000;
        announce(); // three in the life of the process
        QCOMPARE(f.link.linkState.loginResendCount, 3);
        QCOMPARE(f.socket->written.size(), 6);
        QCOMPARE(f.link.linkState.boardSerialNumber, QStringLiteral("A1"));
    }

    void resendOnWebRtcSendsNoGoodbye()
    {
        LinkFixture f;
        signingIn(f);
        f.link.linkState.activePath = ControlPath::WebRTC;
        f.link.processIncomingData(QStringLiteral("wifiNo:3"));
        QCOMPARE(f.webRtc->written.size(), 1);
        QVERIFY(f.webRtc->written[0].startsWith(u'U'));
        QVERIFY(f.fake.journal.isEmpty());
        QCOMPARE(f.link.linkState.wifiRadioCount, 3);
    }


    void adminAndCloudLines_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("boxText");
        QTest::addColumn<bool>("timeOutRunning");
        QTest::newRow("admin channel") << "AdminChannel:VALID,a,b,c" << "" << "" << false;
        QTest::newRow("conntry") << "CONNTRY" << "Connecting to QCS" << "" << false;
        QTest::newRow("connend with code") << "CONNEND:42" << ""
                                           << "Connection to QuorvelBot Communications Service failed/ended with "
                                              "Error Code 42"
                                           << true;
        QTest::newRow("connend without colon")
            << "CONNEND" << ""
            << "Connection to QuorvelBot Communications Service failed/ended with Error Code CONNEND" << true;
        QTest::newRow("ackuser") << "ACKUSER" << "Remote Setting Updated" << "" << true;
        QTest::newRow("user list") << "#80%pilot,secret,1" << "" << "" << true;
        QTest::newRow("trs") << "TRS" << "" << "" << true;
        QTest::newRow("unknown") << "hello robot" << "" << "" << true;
    }
    void adminAndCloudLines()
    {
        LinkFixture f;
        f.selectRobot();
        f.link.commandTimeOutTimer->start();
        QFETCH(QString, message);
        f.link.processIncomingData(message);
        QTEST(f.link.statusLine.text(), "status");
        QTEST(f.link.commandTimeOutTimer->isActive(), "timeOutRunning");
        QFETCH(QString, boxText);
        QCOMPARE(f.fake.boxes.shown.size(), boxText.isEmpty() ? 0 : 1);
        if (!boxText.isEmpty()) {
            QCOMPARE(f.fake.boxes.shown[0].text, boxText);
            QCOMPARE(f.fake.boxes.shown[0].icon, BoxIcon::Warning);
        }
        if (message.startsWith(u'#'))
            QCOMPARE(f.link.linkState.userListText, message);
        if (message.startsWith(QLatin1String("AdminChannel")))
            QCOMPARE(f.link.linkState.adminChannelReply, QStringLiteral("VALID,a,b,c"));
        QVERIFY(f.sent().isEmpty());
    }

    void cloudServiceReachedTheRobot()
    {
        LinkFixture f;
        f.selectRobot();
        f.link.linkState.activePath = ControlPath::CloudService;
        f.link.linkState.loginRequested = true;
        f.link.linkState.cloudSessionId = 0x12345;
        f.link.linkState.loginType = 1;
        f.link.userName = QStringLiteral("pilot");
        f.link.password = QStringLiteral("secret");
        f.link.Timer3->setInterval(10000);
        f.link.commandTimeOutTimer->start();
        f.link.processIncomingData(QStringLiteral("CONNSUC"));
        QCOMPARE(f.link.statusLine.text(), QStringLiteral("Looking for Lab bench via QCS"));
        QCOMPARE(f.cloud->written, QStringList{"12345:Upilot:secret:3.2:0:0"});
        QVERIFY(f.link.Timer3->isActive());
        QVERIFY(!f.link.commandTimeOutTimer->isActive());
    }

    void everyMessageRestartsARunningTimeOut()
    {
        LinkFixture f;
        f.link.processIncomingData(QStringLiteral("unknown"));
        QVERIFY(!f.link.commandTimeOutTimer->isActive()); // a stopped one stays stopped
        f.link.commandTimeOutTimer->start();
        QTest::qWait(40);
        const int before = f.link.commandTimeOutTimer->remainingTime();
        f.link.processIncomingData(QStringLiteral("ZZ"));
        QVERIFY(f.link.commandTimeOutTimer->remainingTime() > before);
    }

    void robotFacts_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("headType");
        QTest::addColumn<QString>("robotSerial");
        QTest::newRow("head upper case") << "headType:IPAD2" << "Apple iPad 2" << "";
        QTest::newRow("head unknown") << "headType:nexus" << "Other" << "";
        QTest::newRow("head 4S") << "headType:iphone4s" << "Apple iPhone 4S" << "";
        QTest::newRow("robot serial") << "robotSerialNumber:QB-0042" << "" << "QB-0042";
    }
    void robotFacts()
    {
        LinkFixture f;
        QFETCH(QString, message);
        f.link.processIncomingData(message);
        QTEST(f.link.linkState.headType, "headType");
        QTEST(f.link.linkState.robotSerialNumber, "robotSerial");
    }

    void wifiRadioCountMustBeANumber()
    {
        LinkFixture f;
        QVERIFY_THROWS_EXCEPTION(LinkError, f.link.processIncomingData(QStringLiteral("wifiNo:two")));
        QCOMPARE(f.link.linkState.wifiRadioCount, 0);
    }

    void driveAlertsAndWifiAck_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("status");
        QTest::newRow("PD0") << "PD0" << "Destination Reached";
        QTest::newRow("PD1") << "PD1" << "Obstacle Detected";
        QTest::newRow("PD2") << "PD2" << "Over current condition!!!";
        QTest::newRow("PD3") << "PD3" << "Tip limit alert";
        QTest::newRow("PX1") << "PX1" << "";
        QTest::newRow("P") << "P" << "";
        QTest::newRow("ackwifi") << "ACKWIFI" << "QuorvelBot now connected to Office";
    }
    void driveAlertsAndWifiAck()
    {
        LinkFixture f;
        f.link.linkState.requestedNetwork = QStringLiteral("Office");
        f.link.linkState.wifiSwitchPending = true;
        QFETCH(QString, message);
        f.link.processIncomingData(message);
        QTEST(f.link.statusLine.text(), "status");
        QCOMPARE(f.link.statusLine.statusBarTimer->isActive(), !f.link.statusLine.text().isEmpty());
        QCOMPARE(f.link.linkState.wifiSwitchPending, message != QLatin1String("ACKWIFI"));
    }
};

QTEST_GUILESS_MAIN(DispatcherTest)
#include "DispatcherTest.moc"
