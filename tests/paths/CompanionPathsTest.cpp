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
        form().linkState.pythonPath = Python;
    }
    TForm2 &form() { return *desk.form; }
    QString home() const { return desk.home.path(); }
    bool installCloudCompanion(int configBytes = 120)
    {
        return desk.writeFile(CloudCompanion, companionSource(QStringLiteral("qcloud.py"))) &&
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
        form().leftWheelDemand = form().rightWheelDemand = 60;
        form().driveTick();
        return robot.waitForLog(QStringLiteral("< ") + driveCommand({60, 60}, form().linkState.maxSpeed).text);
    }
    // Has the robot report its battery and checks the report arrived.
    bool batteryReportArrives()
    {
        robot.command(QStringLiteral("send bd12,3.5,42"));
        return QTest::qWaitFor([this] { return form().linkState.batteryPercent == 42; }, CompanionMs);
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
        return strangers.open(Python, QStringLiteral("\"%1\"").arg(path), folder);
    }
    QFile::copy(QStringLiteral("/bin/sleep"), path);
    return strangers.open(path, QStringLiteral("60"), folder);
}

bool portIsFree(quint16 port)
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, port);
}

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
        QCOMPARE(s.shell.starts[0].program, TForm2::companionStopper());
        QCOMPARE(s.shell.starts[1].program, Python);
        const QString data = QDir(s.home()).filePath(QStringLiteral("Data"));
        QCOMPARE(s.shell.starts[1].parameters, QStringLiteral("\"%1/qcloud.py\" \"Lab bench\"").arg(data));
        QCOMPARE(s.shell.starts[1].workingFolder, data);
        const StartedProgram companion = s.shell.starts[1].started;
        QVERIFY(isRunning(companion));
        // the character outside ASCII reaches the companion as "?"
        QVERIFY2(s.companionLog(CloudCompanion)
                     .contains(cloudFrame(s.form().linkState.cloudSessionId, QStringLiteral("Upil?t:vindra:3.2:"))),
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
        QCOMPARE(s.form().Timer3->interval(), 20000);
        QVERIFY(s.waitForStatus(QStringLiteral("Logged in via WebRTC")));
        QVERIFY(!s.form().Timer3->isActive());
        const StartedProgram companion = s.shell.lastStartOf(WebRtcCompanion);
        QVERIFY(isRunning(companion));
        QCOMPARE(s.shell.starts.last().parameters, QStringLiteral("nodewebkit/webrtc"));
        QCOMPARE(s.companionLog(WebRtcCompanion).section(u'\n', 0, 0), QStringLiteral("SetName:simbot"));

        QVERIFY(s.drive());
        QVERIFY(s.batteryReportArrives());

        s.form().DisconnectClick();
        QVERIFY(s.robot.waitForLog(QStringLiteral("the controller said Z")));
        QTRY_VERIFY(!isRunning(companion));
        QVERIFY(isRunning(stranger));
        QVERIFY(s.form().webSocketServer->isListening());
        QVERIFY(s.form().SignIn->isEnabled());
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
            QVERIFY(s.form().linkState.pathWebRtc);
            QVERIFY(s.form().Timer3->isActive());
            s.form().Timer3Timer(); // the WebRTC companion's 20 s are up
        }
        QVERIFY2(s.waitForStatus(outcome), qPrintable(s.form().statusBarLabel->text()));
        QCOMPARE(s.shell.lastStartOf(Python).isValid(), outcome.endsWith(QLatin1String("QCS")));
        QCOMPARE(s.form().SignIn->isEnabled(), outcome.startsWith(QLatin1String("Could not")));
        QTEST(s.form().linkState.pathAttempt, "pathAttempt");
    }
};

QTEST_MAIN(CompanionPathsTest)
#include "CompanionPathsTest.moc"
