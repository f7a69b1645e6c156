#include "RobotFixture.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>

namespace {

QString md5(const QString &text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text.toLatin1(), QCryptographicHash::Md5).toHex());
}

const QString operatorAuth = QStringLiteral("AUTH:1:100:TRUE:M3-2AA3.71:78:1");

// Facing east, this far from the east wall.
void placeBeforeEastWall(RobotFixture &f, double clearance)
{
    f.robot.body().place(Pose{f.robot.body().room().floor().right() - RobotBody::radius - clearance, 1.0, 0});
}

} // namespace

class RobotProtocolTest : public QObject {
    Q_OBJECT
private slots:
    void loginForms_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("answer");
        const int plain = int(LoginForm::Plain);
        const int digest = int(LoginForm::Digest);
        QTest::newRow("plain") << plain << "Uoperator:vindra:3.2:0:500" << operatorAuth;
        QTest::newRow("plain, ordinary user") << plain << "Uguest:visitor:3.2:0:500"
                                              << "AUTH:0:100:FALSE:M3-2AA3.71:78:1";
        QTest::newRow("plain, wrong password") << plain << "Uoperator:vindrA:3.2:0:500" << "UPERROR";
        QTest::newRow("plain, unknown user") << plain << "Unobody:vindra:3.2:0:500" << "UPERROR";
        QTest::newRow("plain robot given digests")
            << plain << QStringLiteral("U%1:%2:3.2:0:500").arg(md5("operator"), md5("vindra")) << "UPERROR";
        QTest::newRow("digest") << digest << QStringLiteral("U%1:%2:3.2:0:500").arg(md5("operator"), md5("vindra"))
                                << operatorAuth;
        QTest::newRow("digest in upper case")
            << digest << QStringLiteral("U%1:%2:3.2:0:500").arg(md5("operator").toUpper(), md5("vindra").toUpper())
            << operatorAuth;
        QTest::newRow("digest robot given clear text") << digest << "Uoperator:vindra:3.2:0:500" << "UPERROR";
        QTest::newRow("digest of a wrong password")
            << digest << QStringLiteral("U%1:%2:3.2:0:500").arg(md5("operator"), md5("vindrA")) << "UPERROR";
        QTest::newRow("fields missing") << plain << "Uoperator:vindra:3.2" << "UPERROR";
        QTest::newRow("password holding a colon") << plain << "Uoperator:vin:dra:3.2:0:500" << "UPERROR";
    }
    void loginForms()
    {
        QFETCH(int, form);
        QFETCH(QString, login);
        QFETCH(QString, answer);
        RobotFixture f{RobotFacts(), LoginForm(form)};
        f.protocol.connectionOpened(1, QStringLiteral("127.0.0.1"));
        f.receive(login);
        QCOMPARE(f.sentTo().value(0), answer);
        QCOMPARE(f.protocol.inSession(), answer.startsWith(QStringLiteral("AUTH")));
    }

    void loginAnnouncesFactsThenReports()
    {
        RobotFixture f;
        f.protocol.connectionOpened(1, QStringLiteral("127.0.0.1"));
        f.receive(QStringLiteral("Uoperator:vindra:3.2:0:500"));
        const QStringList sent = f.sentTo();
        QCOMPARE(sent.mid(0, 6), QStringList({operatorAuth, "boardSerialNumber:VSB-SIM-0001",
                                              "robotSerialNumber:VSR-SIM-0001", "wifiNo:2", "headType:ipad2",
                                              "laserPresent:1"}));
        QCOMPARE(sent.size(), 9);
        QVERIFY2(QRegularExpression("^bd12,\\d+\\.\\d,\\d+$").match(sent[6]).hasMatch(), qPrintable(sent[6]));
        QVERIFY2(QRegularExpression("^WQuorvelLab:\\d+$").match(sent[7]).hasMatch(), qPrintable(sent[7]));
        QVERIFY2(QRegularExpression("^K\\d{8}$").match(sent[8]).hasMatch(), qPrintable(sent[8]));
    }

    void modelsAnswerWithTheirCodeAndFlags_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<unsigned>("accessories");
        QTest::addColumn<bool>("laser");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("table-top") << "T2" << RobotFacts::panMount << false
                                   << QStringList{"AUTH:1:100:TRUE:T2:40:1", "wifiNo:1", "laserPresent:0"};
        QTest::newRow("all accessories") << "M3" << 0x7Cu << true
                                         << QStringList{"AUTH:1:100:TRUE:M3:7C:1", "wifiNo:2", "laserPresent:1"};
        QTest::newRow("none") << "M3" << 0u << true
                              << QStringList{"AUTH:1:100:TRUE:M3:00:1", "wifiNo:1", "laserPresent:1"};
    }
    void modelsAnswerWithTheirCodeAndFlags()
    {
        QFETCH(QString, model);
        QFETCH(unsigned, accessories);
        QFETCH(bool, laser);
        QFETCH(QStringList, expected);
        RobotFacts facts;
        facts.model = model;
        facts.accessories = accessories;
        facts.laserFitted = laser;
        RobotFixture f(facts);
        f.protocol.connectionOpened(1, QStringLiteral("127.0.0.1"));
        f.receive(QStringLiteral("Uoperator:vindra:3.2:0:500"));
        const QStringList sent = f.sentTo();
        QCOMPARE(QStringList({sent[0], sent[3], sent[5]}), expected);
    }

    void aSecondControllerFindsItBusy()
    {
        RobotFixture f;
        f.signIn();
        f.protocol.connectionOpened(2, QStringLiteral("127.0.0.1"));
        f.receive(QStringLiteral("Uguest:visitor:3.2:0:500"), 2);
        QCOMPARE(f.takeSent(2), QStringList{"BUSY"});
        f.receive(QStringLiteral("L199R199"), 2); // not its robot to drive
        f.protocol.advance(500);
        QCOMPARE(f.robot.body().leftSpeed(), 0.0);

        // Busy until the first says goodbye; a wrong password is no reason to
        // let go either.
        f.receive(QStringLiteral("Uoperator:wrong:3.2:0:500"), 2);
        QCOMPARE(f.takeSent(2), QStringList{"BUSY"});
        f.receive(QStringLiteral("Z"));
        QVERIFY(!f.protocol.inSession());
        f.receive(QStringLiteral("Uguest:visitor:3.2:0:500"), 2);
        QCOMPARE(f.sentTo(2).value(0), QStringLiteral("AUTH:0:100:FALSE:M3-2AA3.71:78:1"));
        QCOMPARE(f.protocol.sessionConnection(), 2);
    }

    void aClosedConnectionEndsItsSession()
    {
        RobotFixture f;
        f.signIn();
        f.receive(QStringLiteral("L199R199"));
        f.protocol.advance(100);
        f.protocol.connectionClosed(1);
        QVERIFY(!f.protocol.inSession());
        QCOMPARE(f.robot.body().leftSpeed(), 0.0);
    }

    void theSameControllerMayLogInAgain()
    {
        RobotFixture f;
        f.signIn();
        f.receive(QStringLiteral("Z"));
        f.receive(QStringLiteral("Uoperator:vindra:3.2:0:500"));
        QCOMPARE(f.sentTo().value(0), operatorAuth);
        f.receive(QStringLiteral("Uoperator:nope:3.2:0:500"));
        QCOMPARE(f.sentTo().last(), QStringLiteral("UPERROR"));
        QVERIFY(!f.protocol.inSession());
    }

    void onlyStampedFramesOfTheSignedInControllerCount()
    {
        RobotFixture f;
        f.protocol.connectionOpened(1, QStringLiteral("127.0.0.1"));
        f.protocol.frameReceived(1, QStringLiteral("Uoperator:vindra:3.2:0:500"));
        f.protocol.frameReceived(1, QStringLiteral("1393675200:Uoperator:vindra:3.2:0:500"));
        f.protocol.frameReceived(1, QStringLiteral("1393675200.45:Uoperator:vindra:3.2:0:500"));
        f.receive(QStringLiteral("PING:1393675200045"));
        QVERIFY(f.sent.isEmpty());
        QVERIFY(!f.protocol.inSession());
    }

    void echoesPings_data()
    {
        QTest::addColumn<QString>("ping");
        QTest::newRow("stamped") << "PING:1393675200045";
        QTest::newRow("bare") << "PING";
    }
    void echoesPings()
    {
        QFETCH(QString, ping);
        RobotFixture f;
        f.signIn();
        f.receive(ping);
        QCOMPARE(f.sentTo(), QStringList{ping});
    }

    void drivesFromWheelCommands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::newRow("forward right") << "L199R175" << 99 << 75;
        QTest::newRow("spin left") << "L050R150" << -50 << 50;
        QTest::newRow("direction digit only") << "L100R100" << 0 << 0;
        QTest::newRow("backward") << "L040R040" << -40 << -40;
        QTest::newRow("stop") << "L000R000" << 0 << 0;
        QTest::newRow("three digits") << "L1099R175" << 0 << 0;
        QTest::newRow("bad direction") << "L299R175" << 0 << 0;
        QTest::newRow("right wheel missing") << "L199" << 0 << 0;
        QTest::newRow("trailing text") << "L199R175X" << 0 << 0;
        QTest::newRow("blank") << "L1 9R175" << 0 << 0;
    }
    void drivesFromWheelCommands()
    {
        QFETCH(QString, command);
        QFETCH(int, left);
        QFETCH(int, right);
        RobotFixture f;
        f.signIn();
        f.receive(QStringLiteral("XE200000"));
        f.receive(command);
        f.protocol.advance(400); // past any ramp, within the time-out
        QCOMPARE(f.robot.body().leftSpeed(), double(left));
        QCOMPARE(f.robot.body().rightSpeed(), double(right));
    }

    void stopsWhenCommandsStop()
    {
        RobotFixture f;
        f.signIn(); // the login asks for 500 ms
        f.receive(QStringLiteral("L199R199"));
        f.protocol.advance(500);
        QVERIFY(f.robot.body().leftSpeed() > 0);
        f.protocol.advance(1000);
        QCOMPARE(f.robot.body().leftSpeed(), 0.0);
        QCOMPARE(f.robot.body().rightSpeed(), 0.0);
    }

    void driveTimeOutSettings_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("timeOut");
        QTest::newRow("setting") << "V:driveTimeOut:700" << 700;
        QTest::newRow("none saved keeps the robot's") << "V:driveTimeOut:0" << 500;
        QTest::newRow("negative") << "V:driveTimeOut:-100" << 500;
        QTest::newRow("not a number") << "V:driveTimeOut:fast" << 500;
        QTest::newRow("too long") << "V:driveTimeOut:60000" << 2000;
        QTest::newRow("too short") << "V:driveTimeOut:10" << 250;
    }
    void driveTimeOutSettings()
    {
        QFETCH(QString, command);
        QFETCH(int, timeOut);
        RobotFixture f;
        f.signIn();
        QCOMPARE(f.robot.body().driveTimeOut(), 500);
        f.receive(command);
        QCOMPARE(f.robot.body().driveTimeOut(), timeOut);
        QVERIFY(f.sent.isEmpty());
    }

    void loginWithoutSavedTimeOutKeepsTheRobots()
    {
        RobotFixture f;
        f.protocol.connectionOpened(1, QStringLiteral("127.0.0.1"));
        f.receive(QStringLiteral("Uoperator:vindra:3.2:0:0"));
        QVERIFY(f.protocol.inSession());
        QCOMPARE(f.robot.body().driveTimeOut(), 1000);
    }

    void accelerationSettings_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("setting");
        QTest::newRow("fast") << "XE200000" << 20;
        QTest::newRow("slow") << "XE050000" << 5;
        QTest::newRow("none saved") << "XE000000" << 10;
        QTest::newRow("out of range") << "XE990000" << 10;
        QTest::newRow("short") << "XE20000" << 10;
    }
    void accelerationSettings()
    {
        QFETCH(QString, command);
        QFETCH(int, setting);
        RobotFixture f;
        f.signIn();
        f.receive(command);
        QCOMPARE(f.robot.body().acceleration(), setting);
    }

    void refusesToDriveIntoAWallWithAnAlert()
    {
        RobotFixture f;
        f.signIn();
        placeBeforeEastWall(f, 0.1);
        f.receive(QStringLiteral("XE200000"));
        for (int tick = 0; tick < 8; ++tick) {
            f.receive(QStringLiteral("L150R150"));
            f.protocol.advance(250);
        }
        const QStringList sent = f.sentTo();
        QCOMPARE(sent.count(QStringLiteral("PD1")), 1);
        QVERIFY(f.robot.body().pose().x + RobotBody::radius <= f.robot.body().room().floor().right());
        // The proximity reports show it right against the wall.
        QCOMPARE(sent.filter(QRegularExpression("^K")).last().mid(5, 2), QStringLiteral("05"));
    }

    void proximityReportsFallNearingAWall()
    {
        RobotFixture f;
        f.signIn();
        placeBeforeEastWall(f, 0.7);
        f.receive(QStringLiteral("XE200000"));
        QList<int> ahead;
        for (int tick = 0; tick < 8; ++tick) {
            f.receive(QStringLiteral("L160R160"));
            f.protocol.advance(250);
            for (const QString &report : f.takeSent().filter(QRegularExpression("^K")))
                ahead << report.mid(5, 2).toInt() - 5;
        }
        QVERIFY(ahead.first() > 50);
        QVERIFY(ahead.last() < 30);
        QVERIFY(std::is_sorted(ahead.rbegin(), ahead.rend()));
    }

    void cameraCommands_data()
    {
        QTest::addColumn<unsigned>("accessories");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("pan");
        QTest::addColumn<int>("tilt");
        const unsigned pan = RobotFacts::panMount;
        QTest::newRow("pan centre") << pan << "MKP09000" << 90 << 90;
        QTest::newRow("pan left end") << pan << "MKP18000" << 180 << 90;
        QTest::newRow("pan right end") << pan << "MKP00000" << 0 << 90;
        QTest::newRow("pan one step") << pan << "MKP09200" << 92 << 90;
        QTest::newRow("pan past the end") << pan << "MKP20000" << 180 << 90;
        QTest::newRow("tilt up") << pan << "MKT04500" << 90 << 45;
        QTest::newRow("tilt down") << pan << "MKT15000" << 90 << 150;
        QTest::newRow("tilt past the top") << pan << "MKT03000" << 90 << 45;
        QTest::newRow("pan without its zeros") << pan << "MKP180" << 90 << 90;
        QTest::newRow("tilt with letters") << pan << "MKTabc00" << 90 << 90;
        QTest::newRow("no pan mount") << 0u << "MKP18000" << 90 << 90;
        QTest::newRow("tilt without pan mount") << 0u << "MKT12000" << 90 << 120;
    }
    void cameraCommands()
    {
        QFETCH(unsigned, accessories);
        QFETCH(QString, command);
        QFETCH(int, pan);
        QFETCH(int, tilt);
        RobotFacts facts;
        facts.accessories = accessories;
        RobotFixture f(facts);
        f.signIn();
        f.receive(command);
        QCOMPARE(f.robot.pan(), pan);
        QCOMPARE(f.robot.tilt(), tilt);
        QVERIFY(f.sent.isEmpty()); // camera commands are not answered
    }

    void accessoryCommands_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("laserFitted");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<int>("headlights");
        QTest::addColumn<bool>("laser");
        QTest::addColumn<bool>("headCharging");
        QTest::newRow("headlights cycle") << "M3" << true << QStringList{"XH025000", "XH050000", "XH075000"} << 75
                                          << false << false;
        QTest::newRow("headlights off") << "M3" << true << QStringList{"XH075000", "XH000000"} << 0 << false << false;
        QTest::newRow("headlights malformed") << "M3" << true << QStringList{"XH0750"} << 0 << false << false;
        QTest::newRow("table-top has none") << "T2" << true << QStringList{"XH075000"} << 0 << false << false;
        QTest::newRow("laser on") << "M3" << true << QStringList{"XL123456"} << 0 << true << false;
        QTest::newRow("laser off") << "M3" << true << QStringList{"XL123456", "XL023456"} << 0 << false << false;
        QTest::newRow("laser not fitted") << "M3" << false << QStringList{"XL123456"} << 0 << false << false;
        QTest::newRow("head charging on") << "M3" << true << QStringList{"XQ123456"} << 0 << false << true;
        QTest::newRow("head charging off") << "M3" << true << QStringList{"XQ123456", "XQ023456"} << 0 << false
                                           << false;
        QTest::newRow("unknown switch") << "M3" << true << QStringList{"XL999999"} << 0 << false << false;
    }
    void accessoryCommands()
    {
        QFETCH(QString, model);
        QFETCH(bool, laserFitted);
        QFETCH(QStringList, commands);
        QFETCH(int, headlights);
        QFETCH(bool, laser);
        QFETCH(bool, headCharging);
        RobotFacts facts;
        facts.model = model;
        facts.laserFitted = laserFitted;
        RobotFixture f(facts);
        f.signIn();
        for (const QString &command : commands)
            f.receive(command);
        QCOMPARE(f.robot.headlights(), headlights);
        QCOMPARE(f.robot.laserOn(), laser);
        QCOMPARE(f.robot.headChargingOn(), headCharging);
        QVERIFY(f.sent.isEmpty());
    }

    void userListForAdministratorsOnly_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("list");
        QTest::newRow("administrator") << "operator" << "vindra" << "#127.0.0.1%operator:vindra:1%guest:visitor:0";
        QTest::newRow("ordinary user") << "guest" << "visitor" << "#127.0.0.1%";
    }
    void userListForAdministratorsOnly()
    {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QString, list);
        RobotFixture f;
        f.signIn(user, password);
        f.receive(QStringLiteral("A"));
        QCOMPARE(f.sentTo(), QStringList{list});
    }

    void userUploads_data()
    {
        QTest::addColumn<QString>("upload");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("new list and speed") << "#70%alice:secret:1%operator:vindra:0%" << true;
        QTest::newRow("speed only") << "#60%operator:vindra:1%guest:visitor:0%" << true;
        QTest::newRow("no final %") << "#70%alice:secret:1" << false;
        QTest::newRow("speed below 40") << "#30%alice:secret:1%" << false;
        QTest::newRow("speed not a number") << "#fast%alice:secret:1%" << false;
        QTest::newRow("no users") << "#70%" << false;
        QTest::newRow("empty entry") << "#70%alice:secret:1%%" << false;
        QTest::newRow("no administrator left") << "#70%alice:secret:0%" << false;
        QTest::newRow("a name twice") << "#70%alice:secret:1%alice:other1:0%" << false;
        QTest::newRow("admin mark other than 1 or 0") << "#70%alice:secret:yes%" << false;
        QTest::newRow("short password") << "#70%alice:abc:1%" << false;
        QTest::newRow("blank in a password") << "#70%alice:sec ret:1%" << false;
        QTest::newRow("entry with extra field") << "#70%alice:sec:ret:1%" << false;
        QStringList twelve;
        for (int i = 0; i < 12; ++i)
            twelve << QStringLiteral("user%1:secret:1").arg(i);
        QTest::newRow("twelve users") << "#70%" + twelve.join(u'%') + u'%' << false;
    }
    void userUploads()
    {
        QFETCH(QString, upload);
        QFETCH(bool, accepted);
        RobotFixture f;
        f.signIn();
        const QStringList before = f.protocol.accounts().entries();
        f.receive(upload);
        QCOMPARE(f.takeSent(), accepted ? QStringList{"ACKUSER"} : QStringList());
        if (!accepted) {
            QCOMPARE(f.protocol.accounts().entries(), before);
            QCOMPARE(f.protocol.maxSpeed(), 100);
            return;
        }
        // The next login sees the new list and speed.
        const QStringList entries = upload.mid(upload.indexOf(u'%') + 1).chopped(1).split(u'%');
        QCOMPARE(f.protocol.accounts().entries(), entries);
        f.receive(QStringLiteral("Z"));
        const QStringList admin = entries.first().split(u':');
        f.receive(QStringLiteral("U%1:%2:3.2:0:500").arg(admin[0], admin[1]));
        QCOMPARE(f.sentTo().value(0), QStringLiteral("AUTH:1:%1:TRUE:M3-2AA3.71:78:1").arg(upload.mid(1, 2)));
    }

    void onlyAdministratorsUploadUsers()
    {
        RobotFixture f;
        f.signIn(QStringLiteral("guest"), QStringLiteral("visitor"));
        f.receive(QStringLiteral("#70%guest:visitor:1%"));
        QVERIFY(f.sent.isEmpty());
        QVERIFY(!f.protocol.accounts().accounts().at(1).admin);
    }

    void passwordChanges_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("passwordAfter");
        QTest::newRow("changed") << "P:operator:vindra:lindmere" << "PASS1" << "lindmere";
        QTest::newRow("wrong current password") << "P:operator:vindrA:lindmere" << "PASS0" << "vindra";
        QTest::newRow("empty current password") << "P:operator::lindmere" << "PASS0" << "vindra";
        QTest::newRow("another user's") << "P:guest:visitor:lindmere" << "PASS0" << "vindra";
        QTest::newRow("new one holding a colon") << "P:operator:vindra:lind:mere" << "PASS0" << "vindra";
        QTest::newRow("new one holding a %") << "P:operator:vindra:lind%mere" << "PASS0" << "vindra";
        QTest::newRow("new one too short") << "P:operator:vindra:abc" << "PASS0" << "vindra";
    }
    void passwordChanges()
    {
        QFETCH(QString, command);
        QFETCH(QString, answer);
        QFETCH(QString, passwordAfter);
        RobotFixture f;
        f.signIn();
        f.receive(command);
        QCOMPARE(f.sentTo(), QStringList{answer});
        QCOMPARE(f.protocol.accounts().accounts().first().password, passwordAfter);
        QCOMPARE(f.protocol.accounts().accounts().at(1).password, QStringLiteral("visitor"));
    }

    void wirelessSwitch_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("network");
        QTest::newRow("a network in view") << "Y,Office WLAN,28" << QStringList{"ACKWIFI"} << "Office WLAN";
        QTest::newRow("one out of view") << "Y,Elsewhere,28" << QStringList() << "QuorvelLab";
        QTest::newRow("no quality") << "Y,Guest" << QStringList() << "QuorvelLab";
    }
    void wirelessSwitch()
    {
        QFETCH(QString, command);
        QFETCH(QStringList, answers);
        QFETCH(QString, network);
        RobotFixture f;
        f.signIn();
        f.receive(command);
        QCOMPARE(f.sentTo(), answers);
        f.protocol.advance(RobotProtocol::wirelessEveryMs);
        QVERIFY(f.sentTo().filter(QRegularExpression("^W")).value(0).startsWith(u'W' + network + u':'));
    }

    void reportsAtASteadyPace()
    {
        RobotFixture f;
        f.signIn();
        for (int elapsed = 0; elapsed < 10000; elapsed += 50)
            f.protocol.advance(50);
        const QStringList sent = f.sentTo();
        QCOMPARE(sent.filter(QRegularExpression("^K\\d{8}$")).size(), 10000 / RobotProtocol::proximityEveryMs);
        QCOMPARE(sent.filter(QRegularExpression("^WQuorvelLab:\\d+$")).size(), 10000 / RobotProtocol::wirelessEveryMs);
        QCOMPARE(sent.filter(QRegularExpression("^bd12,\\d+\\.\\d,\\d+$")).size(),
                 10000 / RobotProtocol::batteryEveryMs);
        QCOMPARE(sent.size(), 10000 / 500 + 10000 / 2000 + 10000 / 5000);
    }

    void noReportsWithoutASession()
    {
        RobotFixture f;
        f.protocol.connectionOpened(1, QStringLiteral("127.0.0.1"));
        f.protocol.advance(10000);
        QVERIFY(f.sent.isEmpty());
    }

    void batteryReportForms_data()
    {
        QTest::addColumn<double>("percent");
        QTest::addColumn<bool>("charger");
        QTest::addColumn<QString>("report");
        QTest::newRow("on battery") << 45.5 << false << "bd12,2.7,45";
        QTest::newRow("empty") << 0.0 << false << "bd12,0.0,0";
        QTest::newRow("charging") << 45.5 << true << "bc45";
        QTest::newRow("full") << 100.0 << true << "be";
        QTest::newRow("full off the charger") << 100.0 << false << "bd12,6.0,100";
    }
    void batteryReportForms()
    {
        QFETCH(double, percent);
        QFETCH(bool, charger);
        QFETCH(QString, report);
        RobotFixture f;
        f.robot.battery().setPercent(percent);
        f.robot.setOnCharger(charger);
        f.protocol.connectionOpened(1, QStringLiteral("127.0.0.1"));
        f.receive(QStringLiteral("Uoperator:vindra:3.2:0:500"));
        QCOMPARE(f.sentTo().value(6), report);
    }

    void theRobotSaysGoodbye()
    {
        RobotFixture f;
        QVERIFY(!f.protocol.sayGoodbye());
        f.signIn();
        QVERIFY(f.protocol.sayGoodbye());
        QCOMPARE(f.takeSent(), QStringList{"Z"});
        QVERIFY(!f.protocol.inSession());
        f.receive(QStringLiteral("Z")); // the controller's own goodbye changes nothing
        f.receive(QStringLiteral("A"));
        QVERIFY(f.sent.isEmpty());
    }

    void sendsANetworkScanOnRequest()
    {
        RobotFixture f;
        QVERIFY(!f.protocol.sendNetworkScan());
        f.signIn();
        QVERIFY(f.protocol.sendNetworkScan());
        QCOMPARE(f.sentTo(), QStringList{"E:QuorvelLab,63:Office WLAN,49:Guest,28"});
    }

    void scriptedTextsGoToTheSessionOrEveryConnection()
    {
        RobotFixture f;
        QVERIFY(!f.protocol.sendScripted(QStringLiteral("CALLFAILED")));
        f.protocol.connectionOpened(1, QStringLiteral("127.0.0.1"));
        f.protocol.connectionOpened(2, QStringLiteral("127.0.0.1"));
        QVERIFY(f.protocol.sendScripted(QStringLiteral("boardSerialNumber:X")));
        QCOMPARE(f.sent, (QList<QPair<int, QString>>{{1, "boardSerialNumber:X"}, {2, "boardSerialNumber:X"}}));
        f.signIn(QStringLiteral("operator"), QStringLiteral("vindra"), 2);
        QVERIFY(f.protocol.sendScripted(QStringLiteral("FC1")));
        QCOMPARE(f.sent, (QList<QPair<int, QString>>{{2, "FC1"}}));
    }

    void logHidesPasswords()
    {
        RobotFixture f;
        QStringList log;
        QObject::connect(&f.protocol, &RobotProtocol::logLine, [&log](const QString &line) { log << line; });
        f.signIn();
        f.receive(QStringLiteral("A"));
        f.receive(QStringLiteral("P:operator:vindra:lindmere"));
        f.receive(QStringLiteral("#70%operator:lindmere:1%"));
        const QString all = log.join(u'\n');
        QVERIFY2(!all.contains(QStringLiteral("vindra")) && !all.contains(QStringLiteral("lindmere"))
                     && !all.contains(QStringLiteral("visitor")),
                 qPrintable(all));
        QVERIFY(all.contains(QStringLiteral("#1 < Uoperator:***:3.2:0:500")));
    }
};

QTEST_GUILESS_MAIN(RobotProtocolTest)
#include "RobotProtocolTest.moc"
