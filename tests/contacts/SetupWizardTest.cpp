// The add-robot wizard in the real window: walked with the keyboard as an
// operator would, its checks, its view of a robot, and the answers of the
// credential fetch (the companion's answer put where the dispatcher puts it).
#include "LinkFixture.h"

#include "contacts/SetupSummary.h"
#include "contacts/TOKRightDlg1.h"
#include "link/Framing.h"
#include "ui/TForm2.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QByteArray TwoRobots = "#LastSelected:1\r\n"
                             "QCloud,Lab,lab-robot,Other,ann,pw1,45:45:45:45:45:45\r\n"
                             "Socket,Hall,quorvelbot-hall,Hall-Head,bob,pw2,10:20:30:40:50:60\r\n";
const QString Authorized = QStringLiteral("You are authorized to use QuorvelBot Communications Services.");
const QString WriteError = QStringLiteral("Error in writing back configuration try again.");

// A window on the platform doubles with its own application folder, whose
// robot list the test gives; the Skype contacts are "zed" and "Lab-Head".
struct Setup {
    explicit Setup(const QByteArray &contacts = TwoRobots, SkypeAutomation *skype = nullptr, Pause *pause = nullptr)
    {
        qputenv("QUORVELBOT_HOME", home.path().toLocal8Bit());
        QDir::setCurrent(home.path());
        write(QStringLiteral("quorvelbot.ini"), contacts);
        write(QStringLiteral("Data/qcloud.py"), "# the companion's stand-in\n");
        fake.skype.contacts = QStringList{"zed", "Lab-Head"};
        Platform platform = fake.platform();
        if (skype)
            platform.skype = skype;
        if (pause)
            platform.pause = pause;
        form = std::make_unique<TForm2>(platform);
        paths = std::make_unique<RecordingPaths>(form->link);
        form->loadQuorvelbot();
    }
    ~Setup()
    {
        form.reset();
        qunsetenv("QUORVELBOT_HOME");
    }
    TOKRightDlg1 &wizard() { return form->addRobotWizard(); }
    bool write(const QString &path, const QByteArray &contents) const
    {
        QDir().mkpath(QFileInfo(home.filePath(path)).path());
        QFile file(home.filePath(path));
        return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
    }
    QByteArray read(const QString &path) const
    {
        QFile file(home.filePath(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList boxTexts() const
    {
        QStringList texts;
        for (const BoxRequest &box : fake.boxes.shown)
            texts << box.text;
        return texts;
    }
    int page() { return wizard().SetupPageControl->currentIndex(); }
    bool tabShown(int page) { return wizard().SetupPageControl->isTabVisible(page); }

    // Keys to whatever has the focus, as the operator types them.
    static QWidget *focused()
    {
        return QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    }
    static void press(Qt::Key key, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(focused(), key);
    }
    static void type(const QString &text) { QTest::keyClicks(focused(), text); }

    // Add, then page 0 with the keyboard alone; Enter presses Next.
    bool fillFirstPage(SetupPath path, SetupConferencing conferencing, const QString &description,
                       const QString &baseName)
    {
        form->addBotNameClick();
        if (!QTest::qWaitForWindowActive(&wizard()) || QApplication::focusWidget() != wizard().transPortSelectCombo)
            return false;
        press(Qt::Key_Down, int(path));
        press(Qt::Key_Tab);
        press(Qt::Key_Down, int(conferencing));
        press(Qt::Key_Tab);
        type(description);
        press(Qt::Key_Tab);
        type(baseName);
        press(Qt::Key_Return);
        return true;
    }
    // Validate with the answer the companion gives, then the first poll.
    void validate(const QString &reply)
    {
        wizard().uNameEdit->setText(QStringLiteral("ann"));
        wizard().passEdit->setText(QStringLiteral("pw"));
        wizard().valButton->click();
        form->link.processIncomingData(QStringLiteral("AdminChannel:") + reply);
        wizard().validityTimerTimer();
    }

    QTemporaryDir home;
    FakePlatform fake;
    std::unique_ptr<TForm2> form;
    std::unique_ptr<RecordingPaths> paths;
};

// Waits that let the operator close the wizard while the companion starts.
struct ClosingPause : Pause {
    QWidget *wizard = nullptr;
    void pause(int) override {}
    void pauseRepainting(int) override { wizard->hide(); }
};

} // namespace

Q_DECLARE_METATYPE(SetupPath)
Q_DECLARE_METATYPE(SetupConferencing)

class SetupWizardTest : public QObject {
    Q_OBJECT
private slots:
    void addingWithTheKeyboard_data()
    {
        QTest::addColumn<SetupPath>("path");
        QTest::addColumn<SetupConferencing>("conferencing");
        QTest::addColumn<QString>("baseName");
        QTest::addColumn<QByteArray>("line");
        const auto skype = SetupConferencing::Skype;
        const auto other = SetupConferencing::Other;
        QTest::newRow("cloud, Skype") << SetupPath::CloudService << skype << "QB1234"
                                      << QByteArray("QCloud,Kitchen,QB1234,Lab-Head,,,45:45:45:45:45:45\r\n");
        QTest::newRow("cloud, Other") << SetupPath::CloudService << other << "QB1234"
                                      << QByteArray("QCloud,Kitchen,QB1234,Other,,,45:45:45:45:45:45\r\n");
        QTest::newRow("direct socket, Skype")
            << SetupPath::DirectSocket << skype << "10.0.0.30"
            << QByteArray("Socket,Kitchen,10.0.0.30,Lab-Head,,,45:45:45:45:45:45\r\n");
        QTest::newRow("direct socket, Other")
            << SetupPath::DirectSocket << other << "quorvelbot-lab"
            << QByteArray("Socket,Kitchen,quorvelbot-lab,Other,,,45:45:45:45:45:45\r\n");
        QTest::newRow("WebRTC, Skype") << SetupPath::WebRTC << skype << "robot7"
                                       << QByteArray("webRTC,Kitchen,robot7,Lab-Head,,,45:45:45:45:45:45\r\n");
        QTest::newRow("WebRTC, Other") << SetupPath::WebRTC << other << "robot7"
                                       << QByteArray("webRTC,Kitchen,robot7,Other,,,45:45:45:45:45:45\r\n");
        QTest::newRow("Auto, Skype") << SetupPath::Auto << skype << "QB1234"
                                     << QByteArray("Auto,Kitchen,QB1234,Lab-Head,,,45:45:45:45:45:45\r\n");
        QTest::newRow("Auto, Other") << SetupPath::Auto << other << "QB1234"
                                     << QByteArray("Auto,Kitchen,QB1234,Other,,,45:45:45:45:45:45\r\n");
    }
    void addingWithTheKeyboard()
    {
        QFETCH(SetupPath, path);
        QFETCH(SetupConferencing, conferencing);
        QFETCH(QString, baseName);
        QFETCH(QByteArray, line);
        Setup s;
        QVERIFY(s.fillFirstPage(path, conferencing, QStringLiteral("Kitchen"), baseName));
        if (path == SetupPath::CloudService || path == SetupPath::Auto) {
            QCOMPARE(s.page(), int(TOKRightDlg1::CredentialsPage));
            QCOMPARE(s.wizard().Label9->text(), QStringLiteral("Enter your Username/Password for Kitchen"));
            s.validate(QStringLiteral("VALID,app-id-0001,app-key-0001,app-secret-0001"));
            QCOMPARE(s.boxTexts(), QStringList{Authorized});
            Setup::press(Qt::Key_Return);
        }
        if (conferencing == SetupConferencing::Skype) {
            QCOMPARE(s.page(), int(TOKRightDlg1::SkypePage));
            const bool afterCredentials = path == SetupPath::CloudService || path == SetupPath::Auto;
            QCOMPARE(s.wizard().SetupPageControl->tabText(TOKRightDlg1::SkypePage),
                     afterCredentials ? QStringLiteral("Step 3") : QStringLiteral("Step 2"));
            QVERIFY(s.wizard().step3ShowTimer->isActive());
            s.wizard().step3ShowTimerTimer();
            QCOMPARE(s.wizard().ListBox1->count(), 2);
            QCOMPARE(s.wizard().ListBox1->item(0)->text(), QStringLiteral("Lab-Head")); // sorted
            s.wizard().ListBox1->setFocus();
            Setup::press(Qt::Key_Down); // the first contact, copied into the name field
            Setup::press(Qt::Key_Tab);
            QCOMPARE(s.wizard().skypeManualEntry->text(), QStringLiteral("Lab-Head"));
            Setup::press(Qt::Key_Return);
        }
        QCOMPARE(s.page(), int(TOKRightDlg1::SummaryPage));
        QVERIFY(!s.wizard().nextBtn->isEnabled());
        QVERIFY(s.wizard().OKBtn->isEnabled());
        QCOMPARE(s.wizard().sumLabel->text(),
                 setupSummaryText({path, conferencing, QStringLiteral("Kitchen"), baseName, "Lab-Head"}));
        Setup::press(Qt::Key_Return); // OK

        QVERIFY(!s.wizard().isVisible());
        QVERIFY(s.read(QStringLiteral("quorvelbot.ini")).endsWith(line));
        QCOMPARE(s.form->contactList.count, 3);
        QCOMPARE(s.form->ListBox1->currentRow(), 2);
        QVERIFY(s.form->ListBox1->currentItem()->text().startsWith(QLatin1String("Kitchen (")));
        QVERIFY(s.read(QStringLiteral("quorvelbot.ini")).contains("QCloud,Lab,lab-robot,Other,ann,pw1,"));
    }

    void summaryOfADirectSocketRobot()
    {
        Setup s;
        QVERIFY(s.fillFirstPage(SetupPath::DirectSocket, SetupConferencing::Other, QStringLiteral("Kitchen"),
                                QStringLiteral("quorvelbot-lab")));
        QCOMPARE(s.wizard().sumLabel->text().split(QStringLiteral("\r\n")),
                 (QStringList{"Robot Control Path :  Direct Socket", "Audio/Video Conferencing Application : Other",
                              "QuorvelBot Description :  Kitchen", "QuorvelBot IP Address :  quorvelbot-lab", "",
                              "This application cannot place a call automatically for the third",
                              "party A/V conferencing application being used. You will have to",
                              "manually place the call.", "", "Refer to the manual for further instructions."}));
    }

    void escapeCancels()
    {
        Setup s;
        QVERIFY(s.fillFirstPage(SetupPath::WebRTC, SetupConferencing::Other, QStringLiteral("Kitchen"),
                                QStringLiteral("robot7")));
        Setup::press(Qt::Key_Escape);
        QVERIFY(!s.wizard().isVisible());
        QCOMPARE(s.read(QStringLiteral("quorvelbot.ini")), TwoRobots);
        QCOMPARE(s.form->contactList.count, 2);
    }

    void firstPageRefusals_data()
    {
        QTest::addColumn<SetupPath>("path");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("baseName");
        QTest::addColumn<QString>("message");
        QTest::newRow("direct socket name") << SetupPath::DirectSocket << "Kitchen"
                                            << "robot7"
                                            << "Bot Name wrong. Try again";
        QTest::newRow("direct socket address") << SetupPath::DirectSocket << "Kitchen"
                                               << "10.0.0.300"
                                               << "IP information provided is wrong. Try again";
        QTest::newRow("same description") << SetupPath::CloudService << "Lab"
                                          << "QB1"
                                          << "A QuorvelBot with entered description already exists.Enter a "
                                             "different description";
        QTest::newRow("not a folder name")
            << SetupPath::Auto << "a/b"
            << "QB1"
            << "The robot's description \"a/b\" contains \"/\", so it cannot name the robot's folder. Enter a "
               "different description";
    }
    void firstPageRefusals()
    {
        QFETCH(SetupPath, path);
        QFETCH(QString, description);
        QFETCH(QString, baseName);
        QFETCH(QString, message);
        Setup s;
        QVERIFY(s.fillFirstPage(path, SetupConferencing::Other, description, baseName));
        QCOMPARE(s.boxTexts(), QStringList{message});
        QCOMPARE(s.page(), int(TOKRightDlg1::Step1Page));
    }

    void theOtherCaseOfADescriptionIsAnotherRobot()
    {
        Setup s;
        QVERIFY(s.fillFirstPage(SetupPath::WebRTC, SetupConferencing::Other, QStringLiteral("lab"),
                                QStringLiteral("robot7")));
        QVERIFY(s.boxTexts().isEmpty());
        QCOMPARE(s.page(), int(TOKRightDlg1::SummaryPage));
    }

    void placeholdersAndThePathsLabel()
    {
        Setup s;
        s.form->addBotNameClick();
        TOKRightDlg1 &w = s.wizard();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.botNameEdit->text(), QStringLiteral("Description of Vindra ( e.g.  location)"));
        QCOMPARE(w.Label3->text(), QStringLiteral("Vindra Serial Number"));
        QCOMPARE(w.botSkypeNameEdit->text(), QStringLiteral("Vindra Serial Number"));
        QVERIFY(!w.nextBtn->isEnabled());
        QVERIFY(!s.tabShown(TOKRightDlg1::SummaryPage));
        w.botSkypeNameEdit->setFocus();
        QVERIFY(w.botSkypeNameEdit->text().isEmpty());
        w.botSkypeNameEdit->setText(QStringLiteral("QB1234"));
        QVERIFY(!w.nextBtn->isEnabled()); // the description still shows its placeholder
        w.botNameEdit->setFocus();
        QVERIFY(w.botNameEdit->text().isEmpty());
        QVERIFY(w.nextBtn->isEnabled());

        w.transPortSelectCombo->setFocus();
        Setup::press(Qt::Key_Down); // Direct Socket
        QCOMPARE(w.Label3->text(), QStringLiteral("Vindra Basename/IP"));
        QCOMPARE(w.botSkypeNameEdit->text(), QStringLiteral("Basename/IP Address"));
    }

    void aTwelfthRobotIsRefused()
    {
        QByteArray eleven = "#LastSelected:1\r\n";
        for (int i = 1; i <= 11; ++i)
            eleven += "Socket,Room " + QByteArray::number(i) + ",quorvelbot-" + QByteArray::number(i) +
                      ",Other,,,45:45:45:45:45:45\r\n";
        Setup s(eleven);
        s.form->addBotNameClick();
        QVERIFY(!s.wizard().isVisible());
        QCOMPARE(s.boxTexts(), QStringList{"The robot list is full: it holds at most 11 robots. Delete one before "
                                           "adding another."});
        QCOMPARE(s.read(QStringLiteral("quorvelbot.ini")), eleven);
    }

    void withoutARunningSkypeThePageIsLeft()
    {
        AbsentSkypeAutomation absent;
        Setup s(TwoRobots, &absent);
        QVERIFY(s.fillFirstPage(SetupPath::WebRTC, SetupConferencing::Skype, QStringLiteral("Kitchen"),
                                QStringLiteral("robot7")));
        QCOMPARE(s.page(), int(TOKRightDlg1::SkypePage));
        s.wizard().step3ShowTimerTimer();
        QCOMPARE(s.fake.boxes.shown.size(), 1);
        QCOMPARE(s.fake.boxes.shown[0].text,
                 QStringLiteral("Skype not running.\r\nMake sure Skype is running before trying again"));
        QCOMPARE(s.fake.boxes.shown[0].caption, QStringLiteral("Error"));
        QCOMPARE(s.page(), int(TOKRightDlg1::Step1Page));
        QVERIFY(!s.tabShown(TOKRightDlg1::SkypePage));
    }

    void aSkypeNameKeepsTheContactsSpelling()
    {
        Setup s;
        QVERIFY(s.fillFirstPage(SetupPath::WebRTC, SetupConferencing::Skype, QStringLiteral("Kitchen"),
                                QStringLiteral("robot7")));
        s.wizard().step3ShowTimerTimer();
        s.wizard().ListBox1->setCurrentRow(0);
        s.wizard().skypeManualEntry->setText(QStringLiteral("lab-head"));
        s.wizard().nextBtn->click();
        s.wizard().OKBtn->click();
        QVERIFY(s.read(QStringLiteral("quorvelbot.ini")).contains("webRTC,Kitchen,robot7,Lab-Head,,,"));
    }

    void viewingAndChangingARobot()
    {
        Setup s;
        s.form->ListBox1->setCurrentRow(1);
        s.form->showBotInfo();
        TOKRightDlg1 &w = s.wizard();
        QVERIFY(w.isVisible());
        QCOMPARE(s.page(), int(TOKRightDlg1::SummaryPage));
        QVERIFY(s.tabShown(TOKRightDlg1::Step1Page));
        QVERIFY(!s.tabShown(TOKRightDlg1::CredentialsPage));
        QVERIFY(!s.tabShown(TOKRightDlg1::SkypePage));
        QVERIFY(!w.OKBtn->isEnabled());
        QVERIFY(!w.transPortSelectCombo->isEnabled());
        QCOMPARE(w.Label3->text(), QStringLiteral("Vindra Basename/IP"));
        QCOMPARE(w.botSkypeNameEdit->text(), QStringLiteral("quorvelbot-hall"));
        QCOMPARE(w.sumLabel->text(), setupSummaryText({SetupPath::DirectSocket, SetupConferencing::Skype, "Hall",
                                                       "quorvelbot-hall", "Hall-Head"}));

        // back to the first page, a new base name, and on to OK
        w.SetupPageControl->setCurrentIndex(TOKRightDlg1::Step1Page);
        QVERIFY(w.nextBtn->isEnabled());
        w.botSkypeNameEdit->setText(QStringLiteral("quorvelbot-hall2"));
        w.placeCallUsing->setCurrentIndex(int(SetupConferencing::Other));
        w.nextBtn->click();
        QCOMPARE(s.page(), int(TOKRightDlg1::SummaryPage));
        w.OKBtn->click();
        // the path and the camera memories kept, the remembered credentials gone
        QCOMPARE(s.read(QStringLiteral("quorvelbot.ini")),
                 QByteArray("#LastSelected:1\r\n"
                            "QCloud,Lab,lab-robot,Other,ann,pw1,45:45:45:45:45:45\r\n"
                            "Socket,Hall,quorvelbot-hall2,Other,,,10:20:30:40:50:60\r\n"));
        QCOMPARE(s.form->ListBox1->currentRow(), 1);
    }

    void okInViewKeepsTheRobotsPath()
    {
        Setup s;
        // a walk that chose another path before
        QVERIFY(s.fillFirstPage(SetupPath::WebRTC, SetupConferencing::Other, QStringLiteral("Kitchen"),
                                QStringLiteral("robot7")));
        s.wizard().CancelBtn->click();
        s.form->ListBox1->setCurrentRow(1);
        s.form->showBotInfo();
        s.wizard().summaryShow(); // the direct socket's summary offers OK
        s.wizard().OKBtn->click();
        QVERIFY(s.read(QStringLiteral("quorvelbot.ini")).contains("Socket,Hall,quorvelbot-hall,Hall-Head,,,"));
    }

    void openingTheWizardLetsGoOfThePad()
    {
        Setup s;
        s.form->padDragging = true;
        s.form->link.leftWheelDemand = s.form->link.rightWheelDemand = 60;
        s.form->addBotNameClick();
        QCOMPARE(s.form->link.leftWheelDemand, 0.0f);
        QCOMPARE(s.form->link.rightWheelDemand, 0.0f);
        QVERIFY(!s.form->padDragging);
    }

    void credentialAnswers_data()
    {
        QTest::addColumn<SetupPath>("path");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<bool>("validated");
        QTest::addColumn<int>("pageAfter");
        QTest::addColumn<QByteArray>("config");
        const auto cloud = SetupPath::CloudService;
        const int credentials = TOKRightDlg1::CredentialsPage;
        const int summary = TOKRightDlg1::SummaryPage;
        QTest::newRow("valid") << cloud << "VALID,app-id-0001,app-key-0001,app-secret-0001" << QStringList{Authorized}
                               << true << credentials
                               << QByteArray("#config file for QuorvelBot\r\napp_id = 'app-id-0001'\r\n"
                                             "app_key = 'app-key-0001'\r\napp_secret = 'app-secret-0001'\r\n");
        QTest::newRow("quoted fields") << cloud << "VALID \"app id 0001\" app-key-0001,app-secret-0001"
                                       << QStringList{Authorized} << true << credentials
                                       << QByteArray("#config file for QuorvelBot\r\napp_id = 'app id 0001'\r\n"
                                                     "app_key = 'app-key-0001'\r\napp_secret = 'app-secret-0001'\r\n");
        QTest::newRow("too short to be a configuration")
            << cloud << "VALID,a,b,c" << QStringList{Authorized, WriteError} << false << credentials << QByteArray();
        QTest::newRow("a quote in a value") << cloud << "VALID,app-id'+1,app-key-0001,app-secret-0001"
                                            << QStringList{WriteError} << false << credentials << QByteArray();
        QTest::newRow("a backslash in a value") << cloud << "VALID,app-id-0001,app-key\\0001,app-secret-0001"
                                                << QStringList{WriteError} << false << credentials << QByteArray();
        QTest::newRow("wrong login on Auto")
            << SetupPath::Auto << "INVALID,1000" << QStringList{"Username/Password Error."} << false << credentials
            << QByteArray();
        QTest::newRow("not configured")
            << cloud << "INVALID,7"
            << QStringList{"Vindra is not configured for QuorvelBot Communications Service.\r\nPlease contact your IT "
                           "Administrator for using this service."}
            << false << credentials << QByteArray();
        QTest::newRow("not configured on Auto")
            << SetupPath::Auto << "INVALID,7"
            << QStringList{"Vindra is not configured for QuorvelBot Communications Service.\r\nNot adding QCS for "
                           "Auto Path."}
            << false << summary << QByteArray();
        QTest::newRow("something else") << cloud << "MAYBE,1" << QStringList() << false << credentials << QByteArray();
    }
    void credentialAnswers()
    {
        QFETCH(SetupPath, path);
        QFETCH(QString, reply);
        QFETCH(QStringList, boxes);
        QFETCH(bool, validated);
        QFETCH(int, pageAfter);
        QFETCH(QByteArray, config);
        Setup s;
        QVERIFY(s.fillFirstPage(path, SetupConferencing::Other, QStringLiteral("Kitchen"), QStringLiteral("QB1234")));
        s.validate(reply);

        const QString data = s.home.filePath(QStringLiteral("Data"));
        const QString stopper = QStringLiteral("shell %1 [] in []").arg(RobotLink::companionStopper());
        QCOMPARE(s.fake.journal.mid(s.fake.journal.indexOf(stopper)),
                 (QStringList{stopper, "pause 1000 repainting",
                              "shell /usr/bin/python3 [" + data + "/qcloud.py admin QB1234] in [" + data + "]",
                              "pause 1500 repainting"} +
                  (reply.startsWith(QLatin1String("MAYBE")) ? QStringList() : QStringList{"end 1002"})));
        QCOMPARE(s.paths->cloud->written,
                 QStringList{cloudFrame(s.form->link.linkState.cloudSessionId, QStringLiteral("GETKEY,ann,pw"))});
        QVERIFY(!s.wizard().validityTimer->isActive());
        QCOMPARE(s.boxTexts(), boxes);
        QCOMPARE(s.wizard().credentialsValidated, validated);
        QCOMPARE(s.page(), pageAfter);
        QCOMPARE(s.read(QStringLiteral("Data/Kitchen/config.py")), config);
        if (validated) {
            QVERIFY(s.wizard().nextBtn->isEnabled());
            QCOMPARE(QFile::permissions(s.home.filePath(QStringLiteral("Data/Kitchen/config.py"))),
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser);
        }
        if (!reply.startsWith(QLatin1String("MAYBE")))
            QVERIFY(s.form->statusBarLabel->text().isEmpty());
    }

    void credentialsFetchedForAnotherRobotAreFetchedAgain()
    {
        Setup s;
        QVERIFY(s.fillFirstPage(SetupPath::CloudService, SetupConferencing::Other, QStringLiteral("Kitchen"),
                                QStringLiteral("QB1234")));
        s.validate(QStringLiteral("VALID,app-id-0001,app-key-0001,app-secret-0001"));
        QVERIFY(s.wizard().credentialsValidated);
        s.wizard().SetupPageControl->setCurrentIndex(TOKRightDlg1::Step1Page);
        QTest::keyClicks(s.wizard().botNameEdit, QStringLiteral(" 2")); // now "Kitchen 2"
        QVERIFY(!s.wizard().credentialsValidated);
        s.wizard().nextBtn->click();
        s.wizard().nextBtn->click();
        QCOMPARE(s.boxTexts().last(), QStringLiteral("Validate the key before continuing"));
    }

    void closingTheWizardWhileTheCompanionStartsSendsNothing()
    {
        ClosingPause pause;
        Setup s(TwoRobots, nullptr, &pause);
        pause.wizard = &s.wizard();
        QVERIFY(s.fillFirstPage(SetupPath::CloudService, SetupConferencing::Other, QStringLiteral("Kitchen"),
                                QStringLiteral("QB1234")));
        s.wizard().uNameEdit->setText(QStringLiteral("ann"));
        s.wizard().passEdit->setText(QStringLiteral("pw"));
        s.wizard().valButton->click();
        QVERIFY(s.paths->cloud->written.isEmpty());
        QVERIFY(!s.wizard().validityTimer->isActive());
        QCOMPARE(s.fake.journal.filter(QStringLiteral("end ")), QStringList{"end 1002"});
    }

    void aShortLoginIsNotSent_data()
    {
        QTest::addColumn<QString>("userName");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("sent");
        QTest::newRow("two characters each") << "an"
                                             << "pw" << true;
        QTest::newRow("one-character user") << "a"
                                            << "pw" << false;
        QTest::newRow("no password") << "ann"
                                     << "" << false;
    }
    void aShortLoginIsNotSent()
    {
        QFETCH(QString, userName);
        QFETCH(QString, password);
        QFETCH(bool, sent);
        Setup s;
        QVERIFY(s.fillFirstPage(SetupPath::CloudService, SetupConferencing::Other, QStringLiteral("Kitchen"),
                                QStringLiteral("QB1234")));
        s.wizard().uNameEdit->setText(userName);
        s.wizard().passEdit->setText(password);
        s.wizard().valButton->click();
        QCOMPARE(s.paths->cloud->written.size(), sent ? 1 : 0);
        QCOMPARE(s.boxTexts(), sent ? QStringList() : QStringList{"Enter user name and password before continuing"});
        QCOMPARE(s.wizard().validityTimer->isActive(), sent);
    }

    void silenceGivesUpAfterFiftyPolls_data()
    {
        QTest::addColumn<SetupPath>("path");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("pageAfter");
        QTest::newRow("cloud") << SetupPath::CloudService << int(BoxAnswer::Ok) << int(TOKRightDlg1::CredentialsPage);
        QTest::newRow("Auto, go on without QCS")
            << SetupPath::Auto << int(BoxAnswer::Yes) << int(TOKRightDlg1::SummaryPage);
        QTest::newRow("Auto, retry") << SetupPath::Auto << int(BoxAnswer::No) << int(TOKRightDlg1::CredentialsPage);
    }
    void silenceGivesUpAfterFiftyPolls()
    {
        QFETCH(SetupPath, path);
        QFETCH(int, answer);
        QFETCH(int, pageAfter);
        Setup s;
        QVERIFY(s.fillFirstPage(path, SetupConferencing::Other, QStringLiteral("Kitchen"), QStringLiteral("QB1234")));
        s.wizard().uNameEdit->setText(QStringLiteral("ann"));
        s.wizard().passEdit->setText(QStringLiteral("pw"));
        s.wizard().valButton->click();
        QCOMPARE(s.wizard().validityTimer->interval(), 100);
        for (int poll = 0; poll < 50; ++poll) {
            s.wizard().validityTimerTimer();
            QVERIFY(s.wizard().validityTimer->isActive());
        }
        QVERIFY(s.boxTexts().isEmpty());
        s.fake.boxes.answers = {BoxAnswer(answer)};
        s.wizard().validityTimerTimer();
        QVERIFY(!s.wizard().validityTimer->isActive());
        QCOMPARE(s.fake.boxes.shown.size(), 1);
        const QString cannot = QStringLiteral("Cannot contact QuorvelBot Vindra for authentication.");
        if (path == SetupPath::Auto) {
            QCOMPARE(s.fake.boxes.shown[0].text, cannot + "\r\nIf you think this is in error, click `No` to retry, "
                                                          "otherwise press `Yes` to not include QCS in auto path");
            QCOMPARE(s.fake.boxes.shown[0].buttons, BoxButtons::YesNo);
        } else {
            QCOMPARE(s.fake.boxes.shown[0].text, cannot);
        }
        QCOMPARE(s.fake.boxes.shown[0].icon, BoxIcon::Information);
        QCOMPARE(s.page(), pageAfter);
        QVERIFY(s.form->statusBarLabel->text().isEmpty());
        QVERIFY(s.fake.journal.contains(QStringLiteral("end 1002")));
    }

    void autoLeavesTheCloudServiceOut()
    {
        Setup s;
        QVERIFY(s.fillFirstPage(SetupPath::Auto, SetupConferencing::Other, QStringLiteral("Kitchen"),
                                QStringLiteral("QB1234")));
        s.fake.boxes.answers = {BoxAnswer::No, BoxAnswer::Yes};
        Setup::press(Qt::Key_Return); // Next without the credentials: No stays
        QCOMPARE(s.page(), int(TOKRightDlg1::CredentialsPage));
        Setup::press(Qt::Key_Return); // Yes goes on
        QCOMPARE(s.fake.boxes.shown.size(), 2);
        QCOMPARE(s.fake.boxes.shown[0].text,
                 QStringLiteral("Not contacting QuorvelBot Vindra for authentication.\r\nIf you think this is in "
                                "error, click `No` to retry, otherwise press `Yes` to not include QCS in auto path"));
        QCOMPARE(s.page(), int(TOKRightDlg1::SummaryPage));
        s.wizard().OKBtn->click();
        QVERIFY(s.read(QStringLiteral("quorvelbot.ini")).endsWith("Auto,Kitchen,QB1234,Other,,,45:45:45:45:45:45\r\n"));
        QVERIFY(!QFileInfo::exists(s.home.filePath(QStringLiteral("Data/Kitchen"))));
    }

    void theCloudServiceNeedsItsCredentials()
    {
        Setup s;
        QVERIFY(s.fillFirstPage(SetupPath::CloudService, SetupConferencing::Other, QStringLiteral("Kitchen"),
                                QStringLiteral("QB1234")));
        Setup::press(Qt::Key_Return);
        QCOMPARE(s.boxTexts(), QStringList{"Validate the key before continuing"});
        QCOMPARE(s.page(), int(TOKRightDlg1::CredentialsPage));
    }
};

QTEST_MAIN(SetupWizardTest)
#include "SetupWizardTest.moc"
