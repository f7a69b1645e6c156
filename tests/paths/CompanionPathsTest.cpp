// Whole sessions over the cloud service and WebRTC paths, and the "Auto"
// fall-back through all three, with the companions as real processes at
// their places in the application folder relaying to the robot simulator.
#include "SignInFixture.h"
#include "SimulatorProcess.h"
#include "TrackingShell.h"

#include "controls/DriveMixing.h"
#include "link/Framing.h"
#include "platform/Pause.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebSocketServer>

namespace {

const QString Python = QStringLiteral("/usr/bin/python3");
const QString CloudCompanion = QStringLiteral("Data/qcloud.py");
const QString WebRtcCompanion = QStringLiteral("nodeWebkit/quorvelbotnw");
const QString CloudConfig = QStringLiteral("Data/Lab bench/config.py");
constexpr int CompanionMs = 10000; // a companion under load may take a while to start

QByteArray companionSource(const QString &name)
{
    QFile file(QDir(qEnvironmentVariable("QUORVELBOT_COMPANIONS")).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray cloudConfig(int bytes)
{
    return QByteArray(bytes, '#');
}

// A controller on the real shell and pauses, the robot simulator running and
// the companions the test puts in place.
struct CompanionSession {
    explicit CompanionSession(const QString &pathKey) : desk(pathKey, &shell, &pause)
    {
        form().link.linkState.pythonPath = Python;
    }
    TForm2 &form() { return *desk.form; }
    QString home() const { return desk.home.path(); }
    bool installCloudCompanion(int configBytes = 120,
                               const QByteArray &script = companionSource(QStringLiteral("qcloud.py")))
    {
        return desk.writeFile(CloudCompanion, script) &&
               (configBytes < 0 || desk.writeFile(CloudConfig, cloudConfig(configBytes)));
    }
    bool installWebRtcCompanion()
    {
        return desk.writeFile(WebRtcCompanion, companionSource(QStringLiteral("quorvelbotnw"))) &&
               QFile::setPermissions(QDir(home()).filePath(WebRtcCompanion),
                                     QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString companionLog(const QString &companion) const
    {
        QFile log(QDir(home()).filePath(companion.section(u'.', 0, 0) + QStringLiteral(".log")));
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    }
    bool waitForStatus(const QString &text)
    {
        return QTest::qWaitFor([&] { return form().statusBarLabel->text() == text; }, CompanionMs);
    }
    // Drives forward and checks the command reached the robot.
    bool drive()
    {
        form().link.leftWheelDemand = form().link.rightWheelDemand = 60;
        form().link.driveTick();
        return robot.waitForLog(QStringLiteral("< ") + driveCommand({60, 60}, form().link.linkState.maxSpeed).text);
    }
    // Has the robot report its battery and checks the report arrived.
    bool batteryReportArrives()
    {
        robot.command(QStringLiteral("send bd12,3.5,42"));
        return QTest::qWaitFor([this] { return form().link.linkState.batteryPercent == 42; }, CompanionMs);
    }

    TrackingShell shell;
    ThreadPause pause; // the companions need the time the controller gives them
    SignInFixture desk;
    SimulatorProcess robot;
};

// A program that is not ours, started under the name of a companion.
StartedProgram startStranger(TrackingShell &strangers, const QString &folder, const QString &name)
{
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(name);
    if (name.endsWith(QLatin1String(".py"))) {
        QFile script(path);
        if (!script.open(QIODevice::WriteOnly) || script.write("import time\ntime.sleep(60)\n") < 0)
            return {};
        script.close();
        return strangers.open(Python, {path}, folder);
    }
    QFile::copy(QStringLiteral("/bin/sleep"), path);
    return strangers.open(path, {QStringLiteral("60")}, folder);
}

bool portIsFree(quint16 port)
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, port);
}

// The program search path replaced by the folders given, for as long as it lives.
struct SearchPath {
    explicit SearchPath(const QStringList &folders) : saved(qgetenv("PATH"))
    {
        qputenv("PATH", folders.join(u':').toLocal8Bit());
    }
    ~SearchPath() { qputenv("PATH", saved); }
    const QByteArray saved;
};

} // namespace

class CompanionPathsTest : public QObject {
    Q_OBJECT
private slots:
    void cloudSession()
    {
        CompanionSession s(QStringLiteral("QCloud"));
        // the robot takes logins in clear, so the user name arrives as typed
        QVERIFY(s.robot.start({"--version", "3.7", "--user", "pil?t:vindra:1"}));
        s.desk.versionReply = "3.7";
        QVERIFY(s.installCloudCompanion());
        TrackingShell strangers;
        const StartedProgram stranger = startStranger(strangers, s.home() + QStringLiteral("/other"), "qcloud.py");
        QVERIFY(isRunning(stranger));
        s.form().UserName->setText(QString::fromUtf8("pil\u00f6t"));

        QTest::mouseClick(s.form().SignIn, Qt::LeftButton);
        QVERIFY(s.waitForStatus(QStringLiteral("Logged in via QCS")));
        QCOMPARE(s.shell.starts.size(), 2);
        QCOMPARE(s.shell.starts[0].program, RobotLink::companionStopper());
        QCOMPARE(s.shell.starts[1].program, Python);
        const QString data = QDir(s.home()).filePath(QStringLiteral("Data"));
        QCOMPARE(s.shell.starts[1].arguments, (QStringList{data + QStringLiteral("/qcloud.py"), "Lab bench"}));
        QCOMPARE(s.shell.starts[1].workingFolder, data);
        const StartedProgram companion = s.shell.starts[1].started;
        QVERIFY(isRunning(companion));
        // the character outside ASCII reaches the companion as "?"
        QVERIFY2(s.companionLog(CloudCompanion)
                     .contains(cloudFrame(s.form().link.linkState.cloudSessionId, QStringLiteral("Upil?t:vindra:3.2:"))),
                 qPrintable(s.companionLog(CloudCompanion)));
        QVERIFY(s.robot.log().contains(QStringLiteral("signed in as pil?t")));

        QVERIFY(s.drive());
        QVERIFY(s.batteryReportArrives());

        s.form().DisconnectClick();
        QVERIFY(s.robot.waitForLog(QStringLiteral("the controller said Z")));
        // the stopper ended the companion that held port 8817, and only that one
        QTRY_VERIFY_WITH_TIMEOUT(!isRunning(companion), CompanionMs);
        QVERIFY(portIsFree(8817));
        QVERIFY(isRunning(stranger));
        QVERIFY(s.form().SignIn->isEnabled());
    }

    void closingTheWindowEndsTheCloudCompanion()
    {
        CompanionSession s(QStringLiteral("QCloud"));
        QVERIFY(s.robot.start());
        QVERIFY(s.installCloudCompanion());
        QTest::mouseClick(s.form().SignIn, Qt::LeftButton);
        QVERIFY(s.waitForStatus(QStringLiteral("Logged in via QCS")));
        const StartedProgram companion = s.shell.lastStartOf(Python);

        s.form().close(); // says "TERMINATE" to the companion, which ends by itself
        QTRY_VERIFY_WITH_TIMEOUT(!isRunning(companion), CompanionMs);
        QVERIFY(s.robot.waitForLog(QStringLiteral("its connection closed")));
        QCOMPARE(s.shell.starts.size(), 2); // no stopper was needed
    }

    void webRtcSession()
    {
        CompanionSession s(QStringLiteral("webRTC"));
        QVERIFY(s.robot.start());
        QVERIFY(s.installWebRtcCompanion());
        TrackingShell strangers;
        const StartedProgram stranger = startStranger(strangers, s.home() + QStringLiteral("/other"), "quorvelbotnw");
        QVERIFY(isRunning(stranger));

        QTest::mouseClick(s.form().SignIn, Qt::LeftButton);
        QCOMPARE(s.form().link.Timer3->interval(), 20000);
        QVERIFY(s.waitForStatus(QStringLiteral("Logged in via WebRTC")));
        QVERIFY(!s.form().link.Timer3->isActive());
        const StartedProgram companion = s.shell.lastStartOf(WebRtcCompanion);
        QVERIFY(isRunning(companion));
        QCOMPARE(s.shell.starts.last().arguments, QStringList{"nodewebkit/webrtc"});
        QCOMPARE(s.companionLog(WebRtcCompanion).section(u'\n', 0, 0), QStringLiteral("SetName:simbot"));

        QVERIFY(s.drive());
        QVERIFY(s.batteryReportArrives());

        s.form().DisconnectClick();
        QVERIFY(s.robot.waitForLog(QStringLiteral("the controller said Z")));
        QTRY_VERIFY(!isRunning(companion));
        QVERIFY(isRunning(stranger));
        QVERIFY(s.form().link.webSocketServer->isListening());
        QVERIFY(s.form().SignIn->isEnabled());
    }

    void aSignInBeforeTheStartUpStepFindsTheInterpreter()
    {
        CompanionSession s(QStringLiteral("QCloud"));
        s.form().link.linkState.pythonPath.clear(); // the delayed start-up step has not run yet
        QVERIFY(s.robot.start());
        QVERIFY(s.installCloudCompanion());
        const QTemporaryDir bin;
        const QString interpreter = QDir(bin.path()).filePath(QStringLiteral("python3"));
        QVERIFY(QFile::link(Python, interpreter));
        const SearchPath path({bin.path(), QStringLiteral("/usr/bin"), QStringLiteral("/bin")});

        QTest::mouseClick(s.form().SignIn, Qt::LeftButton);
        QVERIFY(s.waitForStatus(QStringLiteral("Logged in via QCS")));
        QCOMPARE(s.form().link.linkState.pythonPath, interpreter);
        QVERIFY(isRunning(s.shell.lastStartOf(interpreter)));
    }

    void descriptionReachesTheCompanionWhole_data()
    {
        QTest::addColumn<QString>("description");
        QTest::newRow("blanks") << "Lab bench";
        QTest::newRow("double quotes") << "Lab \"B\" bench";
        QTest::newRow("backslash before a quote") << "Lab \\\"B";
    }
    void descriptionReachesTheCompanionWhole()
    {
        CompanionSession s(QStringLiteral("QCloud"));
        QVERIFY(s.robot.start());
        QFETCH(QString, description);
        // the companion finds the robot's credentials only under its whole description
        QVERIFY(s.installCloudCompanion(-1));
        QVERIFY(s.desk.writeFile(QStringLiteral("Data/%1/config.py").arg(description), cloudConfig(120)));
        s.form().contactList.entries[0].description = description;

        QTest::mouseClick(s.form().SignIn, Qt::LeftButton);
        QVERIFY2(s.waitForStatus(QStringLiteral("Logged in via QCS")), qPrintable(s.form().statusBarLabel->text()));
        QCOMPARE(s.shell.starts.last().arguments.last(), description);
    }

    void companionThatCannotStart_data()
    {
        QTest::addColumn<QString>("interpreter"); // empty: looked up on a search path without one
        QTest::addColumn<bool>("script");
        QTest::addColumn<QString>("box"); // %1: the companion script, %2: the interpreter
        const QString noStart = QStringLiteral("Could not start the QCS companion \"%1\" with \"%2\"");
        QTest::newRow("no interpreter installed")
            << "" << true
            << "No Python interpreter was found, so QCS cannot be used.\r\nInstall Python 3 and sign in again";
        QTest::newRow("interpreter gone") << "/nonexistent/python3" << true << noStart;
        QTest::newRow("no companion script") << Python << false << noStart;
    }
    void companionThatCannotStart()
    {
        CompanionSession s(QStringLiteral("QCloud"));
        QFETCH(QString, interpreter);
        QFETCH(bool, script);
        s.form().link.linkState.pythonPath = interpreter;
        QVERIFY(script ? s.installCloudCompanion() : QFile::remove(QDir(s.home()).filePath(CloudCompanion)));
        const QTemporaryDir emptyFolder;
        const SearchPath path({emptyFolder.path()});

        QTest::mouseClick(s.form().SignIn, Qt::LeftButton);
        QFETCH(QString, box);
        if (box.contains(u'%'))
            box = box.arg(QDir(s.home()).filePath(CloudCompanion), interpreter);
        QCOMPARE(s.desk.boxTexts().last(), box);
        // the sign-in is given back at once, with nothing left waiting
        QVERIFY(s.form().SignIn->isEnabled());
        QCOMPARE(s.form().SignIn->text(), QStringLiteral("Sign In"));
        QCOMPARE(s.form().statusBarLabel->text(), QString());
        QVERIFY(!s.form().link.linkState.pathCloud() && !s.form().link.linkState.loginRequested);
        QVERIFY(!s.form().link.Timer3->isActive());
        QVERIFY(!s.shell.lastStartOf(interpreter).isValid());
    }

    void companionThatNeverReachesTheRobot_data()
    {
        QTest::addColumn<QByteArray>("companion");
        QTest::addColumn<int>("configBytes");
        QTest::addColumn<QString>("status"); // what the window says meanwhile
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("endsByItself");
        QTest::newRow("ends at once") << QByteArray("raise SystemExit(3)\n") << 120 << "Connecting..."
                                      << "" << true;
        QTest::newRow("ends after CONNEND")
            << companionSource(QStringLiteral("qcloud.py")) << -1 << "Connecting to QCS"
            << "Connection to QuorvelBot Communications Service failed/ended with Error Code 1000" << true;
        QTest::newRow("falls silent after CONNTRY")
            << companionSource(QStringLiteral("qcloud_silent.py")) << 120 << "Connecting to QCS"
            << "" << false;
    }
    void companionThatNeverReachesTheRobot()
    {
        CompanionSession s(QStringLiteral("QCloud"));
        QFETCH(QByteArray, companion);
        QFETCH(int, configBytes);
        QVERIFY(s.installCloudCompanion(configBytes, companion));

        QTest::mouseClick(s.form().SignIn, Qt::LeftButton);
        const StartedProgram started = s.shell.lastStartOf(Python);
        QVERIFY(started.isValid());
        QFETCH(QString, status);
        QVERIFY(s.waitForStatus(status));
        QFETCH(QString, box);
        if (!box.isEmpty())
            QTRY_VERIFY_WITH_TIMEOUT(s.desk.boxTexts().contains(box), CompanionMs);
        QFETCH(bool, endsByItself);
        if (endsByItself)
            QTRY_VERIFY_WITH_TIMEOUT(!isRunning(started), CompanionMs);
        else
            QVERIFY(isRunning(started));

        // the watchdog runs from the companion's start
        QVERIFY(s.form().link.Timer3->isActive());
        QCOMPARE(s.form().link.Timer3->interval(), 20000);
        s.form().link.Timer3Timer(); // the companion's 20 s are up
        QCOMPARE(s.form().statusBarLabel->text(), QStringLiteral("Could not find QuorvelBot, check QuorvelBot"));
        QVERIFY(s.form().SignIn->isEnabled());
        QVERIFY(!s.form().link.linkState.pathCloud());
        QTRY_VERIFY_WITH_TIMEOUT(!isRunning(started), CompanionMs);
        QTRY_VERIFY_WITH_TIMEOUT(portIsFree(8817), CompanionMs);
    }

    void autoFallBack_data()
    {
        QTest::addColumn<bool>("robotAnswersPing");
        QTest::addColumn<bool>("webRtcCompanion");
        QTest::addColumn<int>("configBytes");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<int>("pathAttempt");
        QTest::newRow("direct socket") << true << true << 120 << "Logged in via Direct Socket" << 0;
        QTest::newRow("WebRTC when the ping fails") << false << true << 120 << "Logged in via WebRTC" << 1;
        QTest::newRow("cloud service when WebRTC stays silent") << false << false << 101 << "Logged in via QCS" << 2;
        QTest::newRow("100 bytes of cloud configuration are too few")
            << false << false << 100 << "Could not find QuorvelBot, check QuorvelBot" << 2;
        QTest::newRow("no cloud configuration")
            << false << false << -1 << "Could not find QuorvelBot, check QuorvelBot" << 2;
    }
    void autoFallBack()
    {
        CompanionSession s(QStringLiteral("Auto"));
        QVERIFY(s.robot.start());
        QFETCH(bool, webRtcCompanion);
        QFETCH(int, configBytes);
        QVERIFY(s.installCloudCompanion(configBytes));
        if (webRtcCompanion)
            QVERIFY(s.installWebRtcCompanion());
        QFETCH(bool, robotAnswersPing);
        if (!robotAnswersPing)
            s.desk.fake.processes.exitCodes = {1};

        QTest::mouseClick(s.form().SignIn, Qt::LeftButton);
        QFETCH(QString, outcome);
        if (!robotAnswersPing && !webRtcCompanion) {
            QVERIFY(s.form().link.linkState.pathWebRtc());
            QVERIFY(s.form().link.Timer3->isActive());
            s.form().link.Timer3Timer(); // the WebRTC companion's 20 s are up
        }
        QVERIFY2(s.waitForStatus(outcome), qPrintable(s.form().statusBarLabel->text()));
        QCOMPARE(s.shell.lastStartOf(Python).isValid(), outcome.endsWith(QLatin1String("QCS")));
        QCOMPARE(s.form().SignIn->isEnabled(), outcome.startsWith(QLatin1String("Could not")));
        QTEST(s.form().link.linkState.pathAttempt, "pathAttempt");
    }
};

QTEST_MAIN(CompanionPathsTest)
#include "CompanionPathsTest.moc"
