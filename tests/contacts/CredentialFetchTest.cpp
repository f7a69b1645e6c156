// The wizard's credential fetch with the cloud companion as a real process in
// its setup mode: the request through port 8817, the answer through port
// 6000 and the dispatcher, the 100 ms polls, config.py on disk.
#include "FakePlatform.h"
#include "TrackingShell.h"

#include "contacts/TOKRightDlg1.h"
#include "platform/Pause.h"
#include "ui/TForm2.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString Python = QStringLiteral("/usr/bin/python3");
constexpr int AnswerMs = 15000; // the silent companion's give-up takes five seconds of polls

QByteArray companionSource()
{
    QFile file(QDir(qEnvironmentVariable("QUORVELBOT_COMPANIONS")).filePath(QStringLiteral("qcloud.py")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A window on the real shell and pauses whose application folder holds the
// companion, answering as the test chose.
struct Fetch {
    explicit Fetch(const QByteArray &answer)
    {
        qputenv("QUORVELBOT_HOME", home.path().toLocal8Bit());
        QDir::setCurrent(home.path());
        write(QStringLiteral("quorvelbot.ini"), "#LastSelected:1\r\nSocket,Lab,quorvelbot-lab,Other,,,\r\n");
        write(QStringLiteral("Data/qcloud.py"), companionSource());
        if (!answer.isNull())
            write(QStringLiteral("Data/qcloud-setup-answer.txt"), answer + '\n');
        Platform platform = fake.platform();
        platform.shell = &shell;
        platform.pause = &pause;
        form = std::make_unique<TForm2>(platform);
        form->link.linkState.pythonPath = Python;
        form->loadQuorvelbot();
    }
    ~Fetch()
    {
        form.reset();
        qunsetenv("QUORVELBOT_HOME");
    }
    void write(const QString &path, const QByteArray &contents) const
    {
        QDir().mkpath(QFileInfo(home.filePath(path)).path());
        QFile file(home.filePath(path));
        if (file.open(QIODevice::WriteOnly))
            file.write(contents);
    }
    QByteArray read(const QString &path) const
    {
        QFile file(home.filePath(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    TOKRightDlg1 &wizard() { return form->addRobotWizard(); }
    // Page 0 filled in for the robot "Kitchen", base name QB1234, then
    // Validate with the credentials typed.
    void validate(SetupPath path)
    {
        form->addBotNameClick();
        wizard().transPortSelectCombo->setCurrentIndex(int(path));
        wizard().placeCallUsing->setCurrentIndex(int(SetupConferencing::Other));
        wizard().descriptionTouched = wizard().baseNameTouched = true;
        wizard().botNameEdit->setText(QStringLiteral("Kitchen"));
        wizard().botSkypeNameEdit->setText(QStringLiteral("QB1234"));
        wizard().nextBtnClick();
        wizard().uNameEdit->setText(QStringLiteral("ann"));
        wizard().passEdit->setText(QStringLiteral("pw12"));
        wizard().valButton->click();
    }
    QStringList boxTexts() const
    {
        QStringList texts;
        for (const BoxRequest &box : fake.boxes.shown)
            texts << box.text;
        return texts;
    }

    TrackingShell shell;
    ThreadPause pause; // the companion needs the time the wizard gives it
    QTemporaryDir home;
    FakePlatform fake;
    std::unique_ptr<TForm2> form;
};

// A Python program that is not ours.
StartedProgram startStranger(TrackingShell &strangers, const QString &folder)
{
    QDir().mkpath(folder);
    QFile script(QDir(folder).filePath(QStringLiteral("qcloud.py")));
    if (!script.open(QIODevice::WriteOnly) || script.write("import time\ntime.sleep(60)\n") < 0)
        return {};
    script.close();
    return strangers.open(Python, {script.fileName()}, folder);
}

bool portIsFree(quint16 port)
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, port);
}

} // namespace

Q_DECLARE_METATYPE(SetupPath)

class CredentialFetchTest : public QObject {
    Q_OBJECT
private slots:
    void answers_data()
    {
        QTest::addColumn<SetupPath>("path");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<int>("pageAfter");
        QTest::addColumn<QByteArray>("config");
        const int credentials = TOKRightDlg1::CredentialsPage;
        QTest::newRow("valid") << SetupPath::CloudService << QByteArray()
                               << QStringList{"You are authorized to use QuorvelBot Communications Services."}
                               << credentials
                               << QByteArray("#config file for QuorvelBot\r\n"
                                             "app_id = 'sim-app-id-0001'\r\n"
                                             "app_key = 'sim-app-key-0001'\r\n"
                                             "app_secret = 'sim-app-secret-0001'\r\n");
        QTest::newRow("wrong login") << SetupPath::CloudService << QByteArray("INVALID,1000")
                                     << QStringList{"Username/Password Error."} << credentials << QByteArray();
        QTest::newRow("not configured, Auto goes on")
            << SetupPath::Auto << QByteArray("INVALID,42")
            << QStringList{"Vindra is not configured for QuorvelBot Communications Service.\r\nNot adding QCS for "
                           "Auto Path."}
            << int(TOKRightDlg1::SummaryPage) << QByteArray();
        QTest::newRow("a quote in a value")
            << SetupPath::CloudService << QByteArray("VALID,sim-app-id-0001',sim-app-key-0001,sim-app-secret-0001")
            << QStringList{"Error in writing back configuration try again."} << credentials << QByteArray();
        QTest::newRow("silence") << SetupPath::CloudService << QByteArray("silent")
                                 << QStringList{"Cannot contact QuorvelBot Vindra for authentication."} << credentials
                                 << QByteArray();
    }
    void answers()
    {
        QFETCH(SetupPath, path);
        QFETCH(QByteArray, answer);
        QFETCH(QStringList, boxes);
        QFETCH(int, pageAfter);
        QFETCH(QByteArray, config);
        Fetch f(answer);
        TrackingShell strangers;
        const StartedProgram stranger = startStranger(strangers, f.home.filePath(QStringLiteral("other")));
        QVERIFY(isRunning(stranger));

        f.validate(path);
        QCOMPARE(f.wizard().chosenPathKey, setupPathKey(path));
        QCOMPARE(f.shell.starts.size(), 2);
        QCOMPARE(f.shell.starts[0].program, RobotLink::companionStopper());
        const QString data = f.home.filePath(QStringLiteral("Data"));
        QCOMPARE(f.shell.starts[1].program, Python);
        QCOMPARE(f.shell.starts[1].arguments, (QStringList{data + "/qcloud.py", "admin", "QB1234"}));
        QCOMPARE(f.shell.starts[1].workingFolder, data);
        const StartedProgram companion = f.shell.starts[1].started;
        QVERIFY(f.wizard().validityTimer->isActive());

        QTRY_VERIFY_WITH_TIMEOUT(!f.wizard().validityTimer->isActive(), AnswerMs);
        QCOMPARE(f.boxTexts(), boxes);
        QCOMPARE(f.wizard().SetupPageControl->currentIndex(), pageAfter);
        QCOMPARE(f.wizard().credentialsValidated, !config.isEmpty());
        QCOMPARE(f.read(QStringLiteral("Data/Kitchen/config.py")), config);
        if (!config.isEmpty()) {
            QVERIFY(config.size() > 100);
            QCOMPARE(QFile::permissions(f.home.filePath(QStringLiteral("Data/Kitchen/config.py"))),
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser);
        }
        // the request reached the companion behind the session's prefix
        QVERIFY(f.read(QStringLiteral("Data/qcloud.log")).contains(":GETKEY,ann,pw12\n"));
        // our companion ended, and only ours
        QTRY_VERIFY_WITH_TIMEOUT(!isRunning(companion), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(portIsFree(8817), 5000);
        QVERIFY(isRunning(stranger));
    }
};

QTEST_MAIN(CredentialFetchTest)
#include "CredentialFetchTest.moc"
