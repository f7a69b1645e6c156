#include "FakeWebServer.h"
#include "FormFixture.h"
#include "dialogs/TPagesDlg.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// An application folder with the given files, made the working folder as
// start-up finds it.
struct Home {
    QTemporaryDir dir;
    explicit Home(const QByteArray &settings, const QByteArray &contacts)
    {
        if (!settings.isNull())
            write(QStringLiteral("Settings.ini"), settings);
        if (!contacts.isNull())
            write(QStringLiteral("quorvelbot.ini"), contacts);
        qputenv("QUORVELBOT_HOME", dir.path().toLocal8Bit());
        QDir::setCurrent(dir.path());
    }
    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

const QByteArray settings = "Logging:TRUE\r\nAlwaysontop:FALSE\r\ndriveTimeOut:700\r\naccelSetting:12\r\n";
const QByteArray twoRobots = "#LastSelected:2\r\n"
                             "Socket,Lab bench,192.168.1.20,Other,,,45:45:45:45:45:45\r\n"
                             "Auto,Hall,hallrobot,PolyCom,pilot,secret,10:20:30:40:50:60\r\n";

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void startsInTheSignInView()
    {
        Home home(settings, twoRobots);
        FormFixture f;
        QCOMPARE(f.form->FormCreate(), std::optional<int>());
        QCOMPARE(f.form->windowTitle(), QStringLiteral("QuorvelBot"));
        QCOMPARE(f.form->size(), QSize(240, 430));
        QVERIFY(f.form->settings.Logging);
        QCOMPARE(f.form->settings.driveTimeOut, 700);
        QCOMPARE(f.form->ListBox1->count(), 2);
        QCOMPARE(f.form->ListBox1->item(0)->text(), QStringLiteral("Lab bench (Other)"));
        QCOMPARE(f.form->ListBox1->item(1)->text(), QStringLiteral("Hall (Other)"));
        QCOMPARE(f.form->ListBox1->currentRow(), 1);
        // the chosen robot's remembered credentials fill the fields
        QCOMPARE(f.form->UserName->text(), QStringLiteral("pilot"));
        QCOMPARE(f.form->PassWord->text(), QStringLiteral("secret"));
        QVERIFY(f.form->CheckBox1->isChecked() && f.form->contactList.rememberMe);
        QVERIFY(f.form->LoginTimer->isActive());
        QCOMPARE(f.form->LoginTimer->interval(), 500);
        QCOMPARE(f.form->cameraMemories[2].tilt, 45);
        QCOMPARE(f.form->cameraMemories[2].pan, 0);
        QVERIFY(f.fake.boxes.shown.isEmpty());
        QVERIFY(f.fake.instance.knocked);
    }

    void missingFilesEndTheStart_data()
    {
        QTest::addColumn<QByteArray>("settingsFile");
        QTest::addColumn<QByteArray>("contactFile");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("icon");
        QTest::newRow("no settings") << QByteArray() << twoRobots << "Settings.ini file not found"
                                     << int(BoxIcon::Error);
        QTest::newRow("no robot list") << settings << QByteArray()
                                       << "quorvelbot.ini file not found\r\nCheck to see Settings.ini exists and try "
                                          "again"
                                       << int(BoxIcon::None);
    }
    void missingFilesEndTheStart()
    {
        QFETCH(QByteArray, settingsFile);
        QFETCH(QByteArray, contactFile);
        Home home(settingsFile, contactFile);
        FormFixture f;
        QCOMPARE(f.form->FormCreate(), std::optional<int>(1));
        QCOMPARE(f.fake.boxes.shown.size(), 1);
        QTEST(f.fake.boxes.shown[0].text, "text");
        QCOMPARE(f.fake.boxes.shown[0].caption, QStringLiteral("Error"));
        QTEST(int(f.fake.boxes.shown[0].icon), "icon");
        QVERIFY(!f.form->LoginTimer->isActive());
    }

    void badLinesAreReportedAndSkipped()
    {
        Home home("\r\nLogging:TRUE\r\nno colon here\r\n", "\r\n#LastSelected:1\r\nnot an entry\r\n");
        FormFixture f;
        QCOMPARE(f.form->FormCreate(), std::optional<int>());
        QCOMPARE(f.fake.boxes.shown.size(), 2);
        QCOMPARE(f.fake.boxes.shown[0].text, QStringLiteral("Bad Entry in settings file at line 2"));
        QCOMPARE(f.fake.boxes.shown[1].text, QStringLiteral("Bad Entry in botlist file at line 2"));
        QCOMPARE(f.form->ListBox1->count(), 0);
    }

    void aSecondControllerKnocksAndEnds()
    {
        Home home(settings, twoRobots);
        FormFixture f;
        f.fake.instance.anotherRuns = true;
        QCOMPARE(f.form->FormCreate(), std::optional<int>(0));
        QCOMPARE(f.fake.instance.knocks, QStringList{"QuorvelBot"});
        QCOMPARE(f.form->ListBox1->count(), 0); // nothing else ran
    }

    void aLockThatCannotBeMadeEndsTheStart()
    {
        Home home(settings, twoRobots);
        FormFixture f;
        f.fake.instance.lockFails = true;
        QCOMPARE(f.form->FormCreate(), std::optional<int>(1));
        QCOMPARE(f.fake.boxes.shown.size(), 1);
        QCOMPARE(f.fake.boxes.shown[0].text, QStringLiteral("Cannot create the lock"));
        QCOMPARE(f.form->ListBox1->count(), 0);
    }

    void theKnockRaisesOnlyTheSignInView()
    {
        Home home(settings, twoRobots);
        FormFixture f;
        QVERIFY(!f.form->FormCreate());
        f.form->showMinimized();
        f.fake.instance.knocked(QStringLiteral("QuorvelBot"));
        QVERIFY(!f.form->isMinimized());
        f.form->showMinimized();
        f.form->setWindowTitle(QStringLiteral("QuorvelBot Vindra")); // in a session
        f.fake.instance.knocked(QStringLiteral("QuorvelBot"));
        QVERIFY(f.form->isMinimized());
    }

    void delayedStepFindsTheInterpreter()
    {
        Home home(settings, twoRobots);
        FormFixture f;
        QVERIFY(!f.form->FormCreate());
        f.form->LoginTimerTimer();
        QVERIFY(!f.form->LoginTimer->isActive());
        QCOMPARE(f.form->link.linkState.pythonPath, f.fake.shell.interpreter);
    }

    void delayedStepChecksForUpdatesWhenAsked_data()
    {
        QTest::addColumn<QByteArray>("setting");
        QTest::addColumn<int>("requests");
        QTest::newRow("on") << QByteArray("checkForUpdates:TRUE\r\n") << 1;
        QTest::newRow("off") << QByteArray("checkForUpdates:FALSE\r\n") << 0;
    }
    void delayedStepChecksForUpdatesWhenAsked()
    {
        QFETCH(QByteArray, setting);
        QFETCH(int, requests);
        FakeWebServer web;
        web.answer = [](const HttpRequest &) { return HttpAnswer{200, "3.3\r\n", {}}; };
        QVERIFY(web.listen());
        qputenv("QUORVELBOT_SERVER", web.address());
        Home home(settings + setting, twoRobots);
        FormFixture f;
        QVERIFY(!f.form->FormCreate());
        f.form->LoginTimerTimer();
        // the window is not held while the server answers
        QVERIFY(f.fake.boxes.shown.isEmpty());
        QCOMPARE(f.form->pagesDialog().updates.isChecking(), requests > 0);
        QTRY_VERIFY(!f.form->pagesDialog().updates.isChecking());
        qunsetenv("QUORVELBOT_SERVER");
        QCOMPARE(web.requests.size(), requests);
        QCOMPARE(f.fake.boxes.shown.size(), requests);
        if (requests)
            QCOMPARE(f.fake.boxes.shown[0].caption, QStringLiteral("Updates"));
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
