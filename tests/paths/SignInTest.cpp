// Signing in over the direct socket against a real name server and a real
// WebSocket robot on loopback, and the link watch of the session.
#include "RecordingRobot.h"
#include "RefusedOpens.h"
#include "SignInFixture.h"

#include "paths/NameServer.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QString md5(const QByteArray &text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text, QCryptographicHash::Md5).toHex());
}

// A window signed out and ready, its name server answering within 300 ms.
struct SignIn : SignInFixture {
    explicit SignIn(const QString &key = QStringLiteral("Socket"), const QString &baseName = QStringLiteral("127.0.0.1"))
        : SignInFixture(key, nullptr, nullptr, baseName)
    {
        form->link.IdHTTP1 = std::make_unique<NameServer>(300);
        form->UserName->setText(QStringLiteral("pilot"));
        form->PassWord->setText(QStringLiteral("secret"));
        form->settings.driveTimeOut = 700;
        form->settings.speedToMute = 2;
        form->settings.accelSetting = 7;
    }
    QList<QByteArray> nameServerQueries() const
    {
        QList<QByteArray> bodies;
        for (const HttpRequest &request : nameServer.requests)
            bodies << request.body;
        return bodies;
    }
};

const QString AvReminder = QStringLiteral("Make sure your A/V conferencing application is launched and connected to "
                                          "the robot.\r\n\r\nIf not establish the A/V conferencing connection before "
                                          "clicking 'Ok'. ");

} // namespace

class SignInTest : public QObject {
    Q_OBJECT
private slots:
    void wholeSession()
    {
        RecordingRobot robot;
        QVERIFY(robot.isListening());
        SignIn s;
        s.versionReply = "3.7";
        s.fake.clock.now = 1393675200045;
        QTest::mouseClick(s.form->SignIn, Qt::LeftButton);
        QVERIFY(!s.form->SignIn->isEnabled());
        QCOMPARE(s.form->link.Timer3->interval(), 6000);
        QVERIFY(s.form->link.Timer3->isActive());
        QCOMPARE(s.form->link.socketConnectTimer->interval(), 4000); // the connection's own limit
        QVERIFY(robot.waitForCommand(QStringLiteral("Upilot:secret:3.2:20:700")));
        QCOMPARE(robot.frames.first(), QStringLiteral("1393675200.045:Upilot:secret:3.2:20:700"));
        QCOMPARE(s.fake.processes.commandLines, QStringList{"ping -c 1 -W 2 -- \"127.0.0.1\""});
        QCOMPARE(s.nameServerQueries(), QList<QByteArray>{"getRobVer=127.0.0.1"});
        QCOMPARE(s.boxTexts(), QStringList{AvReminder});

        robot.send(QStringLiteral("AUTH:1:80:TRUE:M3:7C:1"));
        QVERIFY(robot.waitForCommand(QStringLiteral("XE070000")));
        QVERIFY(s.form->driveViewShown);
        QCOMPARE(s.form->windowTitle(), QStringLiteral("QuorvelBot Vindra"));
        QCOMPARE(s.form->statusBarLabel->text(), QStringLiteral("Logged in via Direct Socket"));
        QVERIFY(!s.form->link.Timer3->isActive());
        QVERIFY(s.form->link.commandTimeOutTimer->isActive());
        QCOMPARE(s.form->link.commandTimeOutTimer->interval(), 15000);

        // the link watch: a ping five seconds after sign-in, its echo timed
        s.fake.clock.now += 5000;
        s.form->link.Timer1Timer();
        const QString stamp = QStringLiteral("1393675205045");
        QVERIFY(robot.waitForCommand(QStringLiteral("PING:") + stamp));
        s.fake.clock.now += 153;
        robot.send(QStringLiteral("PING:") + stamp);
        QTRY_COMPARE(s.form->connectionDelayLabel->text(), QStringLiteral("0.153 s"));

        // fifteen seconds of silence end the session as End does
        s.form->link.commandTimeOutTimerTimer();
        QVERIFY(robot.waitForCommand(QStringLiteral("Z")));
        QVERIFY(!s.form->driveViewShown);
        QVERIFY(s.form->SignIn->isEnabled());
        QVERIFY(!s.form->link.linkState.pathSocket());
    }

    void credentialsForm_data()
    {
        QTest::addColumn<QByteArray>("versionReply");
        QTest::addColumn<bool>("plain");
        QTest::newRow("3.7") << QByteArray("3.7") << true;
        QTest::newRow("3.5 with blanks") << QByteArray(" 3.5\r\n") << true;
        QTest::newRow("3.71") << QByteArray("3.71") << false;
        QTest::newRow("ERROR") << QByteArray("ERROR") << false;
        QTest::newRow("error") << QByteArray("error") << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("one character") << QByteArray("3") << false;
        QTest::newRow("not a number") << QByteArray("v3.5") << false;
    }
    void credentialsForm()
    {
        RecordingRobot robot;
        SignIn s;
        QFETCH(QByteArray, versionReply);
        s.versionReply = versionReply;
        s.form->SignInClick();
        QFETCH(bool, plain);
        const QString login = plain ? QStringLiteral("Upilot:secret:3.2:20:700")
                                    : QStringLiteral("U%1:%2:3.2:20:700").arg(md5("pilot"), md5("secret"));
        QVERIFY(robot.waitForCommand(login));
        QCOMPARE(s.form->link.linkState.loginType, plain ? 1 : 0);
    }

    // Sign-in keeps the typed user name and password with the chosen robot
    // and in the file (with Remember Me), and sends exactly what was typed,
    // also when the file cannot hold it.
    void typedCredentialsAreKept_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("rememberMe");
        QTest::addColumn<bool>("kept");
        QTest::addColumn<QString>("statusWhileAsking");
        const QString asked = QStringLiteral("Logging on to the robot...");
        const QString refused = QStringLiteral("Credentials not remembered: the list cannot store them");
        QTest::newRow("remembered") << "pilot" << "secret" << true << true << asked;
        QTest::newRow("Remember Me off") << "pilot" << "secret" << false << false << asked;
        QTest::newRow("a comma in the password") << "pilot" << "se,cret" << true << false << refused;
        QTest::newRow("a comma in the user name") << "pi,lot" << "secret" << true << false << refused;
        QTest::newRow("beyond the code page") << "pilot" << QStringLiteral("pa\u20ACss") << true << false << refused;
        QTest::newRow("a comma, Remember Me off") << "pilot" << "se,cret" << false << false << asked;
    }
    void typedCredentialsAreKept()
    {
        RecordingRobot robot;
        SignIn s;
        QVERIFY(s.writeFile(QStringLiteral("quorvelbot.ini"),
                            "#LastSelected:1\r\n"
                            "Auto,Hall,hallrobot,PolyCom,bob,pw2,1:2:3:4:5:6\r\n"
                            "Socket,Lab bench,127.0.0.1,Other,,,45:45:45:45:45:45\r\n"));
        s.form->loadQuorvelbot();
        s.versionReply = "3.7";    // the login carries the texts themselves
        QStringList statusAtQuery; // what the status line says while the version is asked
        const auto answer = s.nameServer.answer;
        s.nameServer.answer = [&](const HttpRequest &request) {
            statusAtQuery << s.form->statusBarLabel->text();
            return answer(request);
        };
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(bool, rememberMe);
        s.form->UserName->setText(user);
        s.form->PassWord->setText(password);
        s.form->CheckBox1->setChecked(rememberMe);
        s.form->ListBox1->setCurrentRow(1);

        s.form->SignInClick();

        QVERIFY(robot.waitForCommand(QStringLiteral("U%1:%2:3.2:20:700").arg(user, password)));
        QFETCH(QString, statusWhileAsking);
        QCOMPARE(statusAtQuery, QStringList{statusWhileAsking});
        QFETCH(bool, kept);
        const QString line = kept ? QStringLiteral("%1,%2").arg(user, password) : QStringLiteral(",");
        QFile file(s.home.filePath(QStringLiteral("quorvelbot.ini")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QStringLiteral("#LastSelected:2\r\n"
                                                "Auto,Hall,hallrobot,PolyCom,bob,pw2,1:2:3:4:5:6\r\n"
                                                "Socket,Lab bench,127.0.0.1,Other,%1,45:45:45:45:45:45\r\n")
                                     .arg(line)
                                     .toLatin1());
        const RobotContact &chosen = s.form->contactList.entries[1];
        QCOMPARE(chosen.savedUserName, kept ? user : QString());
        QCOMPARE(chosen.savedPassword, kept ? password : QString());
        QCOMPARE(s.form->contactList.lastSelected, 2);
        QCOMPARE(s.form->UserName->text(), user);
        QCOMPARE(s.form->PassWord->text(), password);
    }

    void unreadableListEndsTheSignIn()
    {
        SignIn s;
        QSignalSpy ends(s.form.get(), &TForm2::mustEnd);
        RefusedOpens refused(s.home.filePath(QStringLiteral("quorvelbot.ini")));
        if (!refused.available())
            QSKIP("the system does not let this process refuse file opens");
        QVERIFY_THROWS_EXCEPTION(LinkError, s.form->SignInClick());
        QCOMPARE(ends.count(), 1);
        QVERIFY(s.nameServer.requests.isEmpty()); // no version asked, no path started
        QVERIFY(!s.form->link.linkState.pathSocket());
        QCOMPARE(s.boxTexts(), QStringList{"quorvelbot.ini file not found\r\nCheck to see Settings.ini exists and try "
                                           "again"});
    }

    void commaLocaleCannotReadTheVersion()
    {
        RecordingRobot robot;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        SignIn s;
        s.versionReply = "3.5";
        s.form->SignInClick();
        QLocale::setDefault(QLocale::c());
        QCOMPARE(s.form->link.linkState.loginType, 0);
    }

    void silentNameServer()
    {
        RecordingRobot robot;
        SignIn s;
        s.nameServer.answer = [](const HttpRequest &) { return std::optional<HttpAnswer>(); };
        s.form->SignInClick();
        // the version query fails after its limit; sign-in goes on with digests
        QCOMPARE(s.boxTexts().size(), 2);
        QVERIFY(s.boxTexts()[0].contains(QLatin1String("did not answer")));
        QCOMPARE(s.form->link.linkState.loginType, 0);
        QVERIFY(robot.waitForCommand(QStringLiteral("U%1:%2:3.2:20:700").arg(md5("pilot"), md5("secret"))));
    }

    void addressLookup_data()
    {
        QTest::addColumn<QString>("baseName");
        QTest::addColumn<QByteArray>("addressReply");
        QTest::addColumn<bool>("lookedUp");
        QTest::addColumn<QString>("message");
        QTest::newRow("address") << "127.0.0.1" << QByteArray() << false << "";
        QTest::newRow("digit first is never looked up") << "3rdfloor" << QByteArray() << false << "";
        QTest::newRow("name") << "lab-robot" << QByteArray("127.0.0.1") << true << "";
        QTest::newRow("two characters will do") << "lab-robot" << QByteArray("ab") << true << "";
        QTest::newRow("unknown") << "lab-robot" << QByteArray("Error") << true
                                 << "Could not find QuorvelBot via Name Server. Try using IP directly";
        QTest::newRow("one character") << "lab-robot" << QByteArray("x") << true
                                       << "Could not find QuorvelBot via Name Server. Try using IP directly";
    }
    void addressLookup()
    {
        QFETCH(QString, baseName);
        SignIn s(QStringLiteral("Socket"), baseName);
        QFETCH(QByteArray, addressReply);
        s.addressReply = addressReply;
        s.form->SignInClick();
        QFETCH(bool, lookedUp);
        QCOMPARE(s.nameServerQueries().contains("getIP=" + baseName.toLatin1()), lookedUp);
        QFETCH(QString, message);
        if (message.isEmpty()) {
            QVERIFY(s.form->link.linkState.pathSocket());
            QCOMPARE(s.fake.processes.commandLines.size(), 1);
        } else {
            QCOMPARE(s.boxTexts().last(), message);
            QVERIFY(s.fake.processes.commandLines.isEmpty());
            QVERIFY(s.form->SignIn->isEnabled());
            QCOMPARE(s.form->statusBarLabel->text(), QString());
        }
    }

    void unreachableRobot()
    {
        SignIn s;
        s.fake.processes.exitCodes = {1};
        s.form->SignInClick();
        QCOMPARE(s.boxTexts().last(), QStringLiteral("Could not find the Robot. Aborting connection"));
        QVERIFY(!s.form->link.linkState.pathSocket() && !s.form->link.linkState.loginRequested);
        QVERIFY(s.form->SignIn->isEnabled());
    }

    void refusedConnectionEndsAtTheWatchdog()
    {
        SignIn s; // nothing listens on port 9000
        s.form->SignInClick();
        QVERIFY(s.form->link.Timer3->isActive());
        QTest::qWait(100);
        s.form->link.Timer3Timer();
        QCOMPARE(s.form->statusBarLabel->text(), QStringLiteral("Could not find QuorvelBot, check QuorvelBot"));
        QVERIFY(s.form->link.statusLine.statusBarTimer->isActive());
        QVERIFY(s.form->SignIn->isEnabled());
        QCOMPARE(s.form->SignIn->text(), QStringLiteral("Sign In"));
    }

    void reminderOncePerRun()
    {
        SignIn s;
        s.fake.processes.exitCodes = {1, 1};
        s.form->SignInClick();
        s.form->SignInClick();
        QCOMPARE(s.boxTexts().count(AvReminder), 1);
    }

    void pathKeyIgnoresCase_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("pathAttempt");
        QTest::newRow("SOCKET") << "SOCKET" << 0;
        // the unreachable robot moves an "Auto" attempt on to WebRTC at once
        QTest::newRow("auto") << "auto" << 1;
        QTest::newRow("WEBRTC") << "WEBRTC" << 1;
        QTest::newRow("qcloud") << "qcloud" << 2;
    }
    void pathKeyIgnoresCase()
    {
        QFETCH(QString, key);
        SignIn s(key);
        s.fake.processes.exitCodes = {1}; // stops the socket attempt at the ping
        s.form->SignInClick();
        QTEST(s.form->link.linkState.pathAttempt, "pathAttempt");
    }

    void autoFallBack_data()
    {
        QTest::addColumn<int>("configBytes");
        QTest::addColumn<bool>("cloudTried");
        QTest::newRow("no cloud configuration") << -1 << false;
        QTest::newRow("100 bytes is too few") << 100 << false;
        QTest::newRow("101 bytes") << 101 << true;
    }
    void autoFallBack()
    {
        SignIn s(QStringLiteral("Auto"));
        QFETCH(int, configBytes);
        if (configBytes >= 0) {
            QVERIFY(s.writeFile(QStringLiteral("Data/Lab bench/config.py"), QByteArray(configBytes, '#')));
        }
        s.fake.processes.exitCodes = {1};
        s.form->SignInClick();
        // the ping failed: WebRTC at once, its watchdog at 20 s
        QCOMPARE(s.form->link.linkState.pathAttempt, 1);
        QVERIFY(s.form->link.linkState.pathWebRtc());
        QCOMPARE(s.form->link.Timer3->interval(), 20000);
        QVERIFY(s.fake.journal.contains("shell nodeWebkit/quorvelbotnw [nodewebkit/webrtc] in []"));

        s.form->link.Timer3Timer();
        QVERIFY(s.fake.journal.contains("end 1001")); // the WebRTC companion we started
        QFETCH(bool, cloudTried);
        QCOMPARE(s.form->link.linkState.pathCloud(), cloudTried);
        QVERIFY(!s.form->link.linkState.autoFallback);
        if (cloudTried) {
            QCOMPARE(s.form->statusBarLabel->text(), QStringLiteral("Connecting..."));
            // the companion has 20 s to reach the robot
            QCOMPARE(s.form->link.Timer3->interval(), 20000);
            QVERIFY(s.form->link.Timer3->isActive());
        } else {
            QCOMPARE(s.form->statusBarLabel->text(), QStringLiteral("Could not find QuorvelBot, check QuorvelBot"));
            QVERIFY(s.form->SignIn->isEnabled());
        }
    }

    void refusedBeforeStarting_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<bool>("select");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("enabledAfter");
        QTest::newRow("no user name") << "" << true << "Enter a Username and Password before continuing" << true;
        QTest::newRow("no robot chosen") << "pilot" << false << "No QuorvelBot selected" << true;
    }
    void refusedBeforeStarting()
    {
        SignIn s;
        QFETCH(QString, user);
        QFETCH(bool, select);
        s.form->UserName->setText(user);
        if (!select)
            s.form->ListBox1->clearSelection();
        s.form->SignInClick();
        QTEST(s.boxTexts().last(), "message");
        QCOMPARE(s.fake.boxes.shown.last().caption, QStringLiteral("Error"));
        QCOMPARE(s.fake.boxes.shown.last().icon, BoxIcon::Error);
        QTEST(s.form->SignIn->isEnabled(), "enabledAfter");
        QVERIFY(s.nameServer.requests.isEmpty());
    }

    void emptyListAndUnknownKey()
    {
        SignIn s(QStringLiteral("Telepathy"));
        s.form->SignInClick();
        QCOMPARE(s.boxTexts().last(), QStringLiteral("Selected transport method is no longer supported.\r\n"
                                                     "Delete contact and re-add it with a different control path "
                                                     "option. "));
        QVERIFY(s.form->SignIn->isEnabled());
        s.form->ListBox1->clear();
        s.form->SignInClick();
        QCOMPARE(s.boxTexts().last(),
                 QStringLiteral("Add a QuorvelBot to the QuorvelBot contact list before signing in"));
    }

    void watchdogAfterTheLoginWasAccepted()
    {
        SignIn s;
        s.form->link.linkState.sessionOpen = true;
        s.form->link.Timer3Timer();
        QCOMPARE(s.boxTexts().last(), QStringLiteral("Could not establish a call to Vindra Head\r\nManually establish a "
                                                     "call to Vindra Head first and login in to the Robot"));
        QVERIFY(s.form->SignIn->isEnabled());
    }
};

QTEST_MAIN(SignInTest)
#include "SignInTest.moc"
