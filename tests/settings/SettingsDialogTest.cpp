// The settings dialog on a real window: the three ways it opens, the user
// administration with the list it sends back, the options it saves and
// sends when it closes, and what happens when the robot, the file or the
// desktop fail it.
#include "FileSizeLimit.h"
#include "FormFixture.h"
#include "controls/JoystickTypes.h"
#include "settings/TOKRightDlg.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

const QByteArray storedSettings = "Logging:FALSE\r\nAlwaysontop:FALSE\r\nspeedToMute:0\r\npadSensitivity:2\r\n"
                                  "pointNDrive:FALSE\r\nautoAnswer:FALSE\r\ncheckForUpdates:FALSE\r\n"
                                  "autoCenter:FALSE\r\ndriveTimeOut:750\r\naccelSetting:0\r\n";

const QString twoUsers = QStringLiteral("#10.0.0.5%Bob12:pass:0%alice:pw12:1%");

// A window whose working folder holds the settings file given.
struct SettingsFixture {
    QTemporaryDir dir;
    std::unique_ptr<FormFixture> f;
    TOKRightDlg *dialog = nullptr;

    explicit SettingsFixture(const QByteArray &settingsFile = storedSettings)
    {
        QDir::setCurrent(dir.path());
        qputenv("QUORVELBOT_HOME", dir.path().toLocal8Bit());
        QFile file(dir.filePath(QStringLiteral("Settings.ini")));
        if (file.open(QIODevice::WriteOnly))
            file.write(settingsFile);
        file.close();
        f = std::make_unique<FormFixture>();
        f->form->Importsettings();
        dialog = &f->form->settingsDialog();
    }
    ~SettingsFixture() { qunsetenv("QUORVELBOT_HOME"); }

    TForm2 &form() { return *f->form; }
    LinkState &state() { return f->form->link.linkState; }
    QStringList sent() const { return f->webRtc->written; }
    QByteArray file() const
    {
        QFile file(dir.filePath(QStringLiteral("Settings.ini")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList boxes() const
    {
        QStringList texts;
        for (const BoxRequest &box : f->fake.boxes.shown)
            texts << box.text;
        return texts;
    }

    // Signed in as "alice" on the WebRTC path (its texts leave unframed).
    void signedIn(bool admin, const QString &model = QStringLiteral("M3"))
    {
        f->selectRobot();
        state().activePath = ControlPath::WebRTC;
        state().inSession = state().sessionOpen = true;
        state().isAdmin = admin;
        state().robotModel = model;
        state().maxSpeed = 70;
        form().link.userName = QStringLiteral("alice");
    }

    // The drive view's "Settings" with the robot's list arriving; act runs
    // while the dialog is open and closes it.
    void openFromDriveView(const QString &userList, const std::function<void(TOKRightDlg &)> &act)
    {
        form().Settings2Click();
        form().link.processIncomingData(userList);
        QTimer::singleShot(0, dialog, [this, act] { act(*dialog); });
        form().userTimerTrigger();
    }
    void openFromSignInView(const std::function<void(TOKRightDlg &)> &act)
    {
        QTimer::singleShot(0, dialog, [this, act] { act(*dialog); });
        form().Settings1Click();
    }
};

bool tabShown(TOKRightDlg &d, QWidget *tab)
{
    return d.PageControl1->isTabVisible(d.PageControl1->indexOf(tab));
}

QStringList listBoxLines(TOKRightDlg &d)
{
    QStringList lines;
    for (int row = 0; row < d.ListBox1->count(); ++row)
        lines << d.ListBox1->item(row)->text();
    return lines;
}

void selectRow(TOKRightDlg &d, int row)
{
    d.ListBox1->setCurrentRow(row);
}

// Types name ":" password ":" mark into the fields: the name ends at the
// first ":", the mark follows the last.
void typeUser(TOKRightDlg &d, const QString &user)
{
    const qsizetype first = user.indexOf(u':');
    const qsizetype last = user.lastIndexOf(u':');
    d.userName->setText(user.left(first));
    d.password->setText(user.mid(first + 1, last - first - 1));
    d.isAdminBox->setChecked(user.mid(last + 1) == u"1");
}

// What the operator does on the dialog, as a table gives it: "add" user,
// "edit" row (or "-" for none) user, "delete" row, "speed" position.
void perform(TOKRightDlg &d, const QString &action)
{
    const QString verb = action.section(u' ', 0, 0);
    const QString row = action.section(u' ', 1, 1);
    if (verb == u"add") {
        typeUser(d, action.section(u' ', 1)); // the name may hold a blank
        d.addUserButton->click();
    } else if (verb == u"edit") {
        if (row != u"-")
            selectRow(d, row.toInt());
        typeUser(d, action.section(u' ', 2));
        d.editUserButton->click();
    } else if (verb == u"delete") {
        selectRow(d, row.toInt());
        d.Button2->click();
    } else {
        d.PageControl1->setCurrentWidget(d.RobotSetting);
        d.speedTrackbar->setValue(row.toInt());
    }
}

// Receives the web addresses the desktop is asked to open.
class WebPageRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

} // namespace

class SettingsDialogTest : public QObject {
    Q_OBJECT
private slots:
    void fromTheSignInViewOnlyTwoOptions()
    {
        SettingsFixture s;
        bool checked = false;
        s.openFromSignInView([&](TOKRightDlg &d) {
            QVERIFY(tabShown(d, d.ControllerSetting));
            QVERIFY(!tabShown(d, d.UserAdmin));
            QVERIFY(!tabShown(d, d.RobotSetting));
            QCOMPARE(d.PageControl1->currentWidget(), d.ControllerSetting);
            QVERIFY(d.CheckBox1->isVisible());
            QVERIFY(d.CheckBox4->isVisible());
            QVERIFY(!d.autoCenterCheckBox->isVisible());
            QVERIFY(!d.PadSense->isVisible());
            QVERIFY(!d.timeoutPanel->isVisible());
            QVERIFY(!d.Label12->isVisible());
            checked = true;
            d.reject();
        });
        QVERIFY(checked);
        QVERIFY(s.sent().isEmpty());
    }

    void fromTheDriveViewPerUserAndModel_data()
    {
        QTest::addColumn<bool>("admin");
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("userTab");
        QTest::addColumn<bool>("robotTab");
        QTest::addColumn<bool>("driveOptions");
        QTest::newRow("administrator") << true << "M3" << true << true << true;
        QTest::newRow("administrator of a table-top") << true << "T1" << true << false << false;
        QTest::newRow("user") << false << "M3" << false << false << true;
        QTest::newRow("user of a table-top") << false << "T1" << false << false << false;
    }
    void fromTheDriveViewPerUserAndModel()
    {
        QFETCH(bool, admin);
        QFETCH(QString, model);
        QFETCH(bool, userTab);
        QFETCH(bool, robotTab);
        QFETCH(bool, driveOptions);
        SettingsFixture s;
        s.signedIn(admin, model);
        bool checked = false;
        s.openFromDriveView(twoUsers, [&](TOKRightDlg &d) {
            QCOMPARE(tabShown(d, d.UserAdmin), userTab);
            QCOMPARE(tabShown(d, d.RobotSetting), robotTab);
            QVERIFY(tabShown(d, d.ControllerSetting));
            QCOMPARE(d.PageControl1->currentWidget(), userTab ? d.UserAdmin : d.ControllerSetting);
            QCOMPARE(d.ListBox1->count(), admin ? 2 : 0);
            d.PageControl1->setCurrentWidget(d.ControllerSetting);
            QCOMPARE(d.autoCenterCheckBox->isVisible(), driveOptions);
            QCOMPARE(d.PadSense->isVisible(), driveOptions);
            QCOMPARE(d.timeoutPanel->isVisible(), driveOptions);
            QVERIFY(d.Label12->isVisible());
            QVERIFY(d.Label13->isVisible());
            checked = true;
            d.accept();
        });
        QVERIFY(checked);
        QCOMPARE(s.sent(), QStringList{"A"}); // nothing changed, nothing more sent
    }

    void theExchangeWaitsForTheList()
    {
        SettingsFixture s;
        s.signedIn(true);
        s.form().Settings2Click();
        QCOMPARE(s.sent(), QStringList{"A"});
        QVERIFY(s.form().userTimer->isActive());
        QCOMPARE(s.form().userTimer->interval(), 500);
        QCOMPARE(s.form().statusBarLabel->text(), QStringLiteral("Waiting for user list"));
        s.form().userTimerTrigger();
        QVERIFY(s.form().userTimer->isActive());
        QVERIFY(!s.dialog->isVisible());
    }

    void aRobotThatNeverSendsItsListIsNotWaitedFor()
    {
        SettingsFixture s;
        s.signedIn(true);
        s.form().Settings2Click();
        for (int tick = 1; tick < 20; ++tick)
            s.form().userTimerTrigger();
        QVERIFY(s.form().userTimer->isActive());
        s.form().userTimerTrigger(); // ten seconds
        QVERIFY(!s.form().userTimer->isActive());
        QCOMPARE(s.form().statusBarLabel->text(), QStringLiteral("No user list from the robot; please try again"));
        // a list arriving late opens nothing
        s.form().link.processIncomingData(twoUsers);
        QTest::qWait(600);
        QVERIFY(!s.dialog->isVisible());
    }

    void theUploadIsTheWholeListOnOkOnly_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("add an administrator") << twoUsers << "add carol:pass1:1" << true
                                              << QStringList{"A", "#70%alice:pw12:1%Bob12:pass:0%carol:pass1:1%"};
        QTest::newRow("add a user next to its namesake")
            << twoUsers << "add Alice:word:0" << true
            << QStringList{"A", "#70%alice:pw12:1%Alice:word:0%Bob12:pass:0%"};
        QTest::newRow("only the speed") << twoUsers << "speed 85" << true
                                        << QStringList{"A", "#85%alice:pw12:1%Bob12:pass:0%"};
        QTest::newRow("speed 10 is 40") << twoUsers << "speed 10" << true
                                        << QStringList{"A", "#40%alice:pw12:1%Bob12:pass:0%"};
        QTest::newRow("add to a list that arrived empty")
            << "#10.0.0.5%"
            << "add carol:pass1:1" << true << QStringList{"A", "#70%carol:pass1:1%"};
        QTest::newRow("cancel discards the edits") << twoUsers << "add carol:pass1:1" << false << QStringList{"A"};
    }
    void theUploadIsTheWholeListOnOkOnly()
    {
        QFETCH(QString, list);
        QFETCH(QString, action);
        QFETCH(bool, ok);
        QFETCH(QStringList, sent);
        SettingsFixture s;
        s.signedIn(true);
        s.openFromDriveView(list, [&](TOKRightDlg &d) {
            perform(d, action);
            ok ? d.accept() : d.reject();
        });
        QCOMPARE(s.sent(), sent);
        if (ok) {
            QCOMPARE(s.form().statusBarLabel->text(), QStringLiteral("Waiting for remote acknowledgement"));
            s.form().link.processIncomingData(QStringLiteral("ACKUSER"));
            QCOMPARE(s.form().statusBarLabel->text(), QStringLiteral("Remote Setting Updated"));
        }
        if (action.startsWith(u"speed") && ok)
            QCOMPARE(s.state().maxSpeed, sent[1].mid(1, 2).toInt());
    }

    void theSpeedSliderStopsAtForty()
    {
        SettingsFixture s;
        s.signedIn(true);
        s.openFromDriveView(twoUsers, [&](TOKRightDlg &d) {
            QCOMPARE(d.speedTrackbar->value(), 70);
            QCOMPARE(d.speedVal->text(), QStringLiteral("70"));
            d.PageControl1->setCurrentWidget(d.RobotSetting);
            d.speedTrackbar->setValue(10);
            QCOMPARE(d.speedTrackbar->value(), 40);
            QCOMPARE(d.speedVal->text(), QStringLiteral("40"));
            QCOMPARE(d.StatusBar1->currentMessage(), QStringLiteral("Press OK to save changes to QuorvelBot."));
            QVERIFY(d.Timer1->isActive());
            QCOMPARE(d.Timer1->interval(), 25000);
            d.Timer1Timer();
            QCOMPARE(d.StatusBar1->currentMessage(), QString());
            d.reject();
        });
        QCOMPARE(s.state().maxSpeed, 70); // not taken over without OK
    }

    void editingAndDeleting_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("box");
        QTest::newRow("edit keeping the name") << "edit 1 Bob12:newpw:1" << QStringList{"alice(Admin)", "Bob12(Admin)"}
                                               << "User edited. Press OK to save changes to QuorvelBot."
                                               << "";
        QTest::newRow("rename onto another user")
            << "edit 1 alice:pass:0" << QStringList{"alice(Admin)", "Bob12"} << "Username already exists"
            << "";
        QTest::newRow("edit without a selection")
            << "edit - Bob12:pass:0" << QStringList{"alice(Admin)", "Bob12"} << "Select a user to edit"
            << "";
        QTest::newRow("delete another user")
            << "delete 1" << QStringList{"alice(Admin)"} << "User deleted. Press OK to save change to QuorvelBot."
            << "";
        QTest::newRow("delete yourself") << "delete 0" << QStringList{"alice(Admin)", "Bob12"} << ""
                                         << "You cannot delete yourself";
        QTest::newRow("a blank in a name") << "add bad name:pass:0" << QStringList{"alice(Admin)", "Bob12"} << ""
                                           << "Cannot add user. Username and password cannot contain blanks, "
                                              "double quotes, \":\" or \"%\".";
        QTest::newRow("a colon in a password")
            << "add carol:pa:ss:0" << QStringList{"alice(Admin)", "Bob12"} << ""
            << "Cannot add user. Username and password cannot contain blanks, double quotes, \":\" or \"%\".";
    }
    void editingAndDeleting()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, lines);
        QFETCH(QString, status);
        QFETCH(QString, box);
        SettingsFixture s;
        s.signedIn(true);
        s.openFromDriveView(twoUsers, [&](TOKRightDlg &d) {
            perform(d, action);
            if (action.startsWith(u"delete"))
                QVERIFY(!d.Timer1->isActive()); // a done delete's text stays
            QCOMPARE(listBoxLines(d), lines);
            QCOMPARE(d.StatusBar1->currentMessage(), status);
            d.reject();
        });
        QCOMPARE(s.boxes(), box.isEmpty() ? QStringList() : QStringList{box});
        if (!box.isEmpty())
            QCOMPARE(s.f->fake.boxes.shown.value(0).caption, QStringLiteral("Error"));
    }

    void theLastUserStays()
    {
        SettingsFixture s;
        s.signedIn(true);
        s.openFromDriveView(QStringLiteral("#10.0.0.5%alice:pw12:1%"), [&](TOKRightDlg &d) {
            selectRow(d, 0);
            d.Button2->click();
            QCOMPARE(listBoxLines(d), QStringList{"alice(Admin)"});
            d.accept();
        });
        QCOMPARE(s.boxes(), QStringList{"Deleting all the users will prevent you from logging into QuorvelBot in "
                                        "future.\r\nDeletion Aborted."});
        QCOMPARE(s.sent(), QStringList{"A"});
    }

    void aTwelfthUserIsRefused()
    {
        QString list = QStringLiteral("#10.0.0.5%");
        for (int user = 0; user < 11; ++user)
            list += QStringLiteral("user%1:pass:%2%").arg(user, 2, 10, QLatin1Char('0')).arg(user == 0 ? 1 : 0);
        SettingsFixture s;
        s.signedIn(true);
        s.openFromDriveView(list, [&](TOKRightDlg &d) {
            typeUser(d, QStringLiteral("carol:pass1:0"));
            d.addUserButton->click();
            QCOMPARE(d.ListBox1->count(), 11);
            d.accept();
        });
        QCOMPARE(s.boxes(), QStringList{"Cannot add user. QuorvelBot keeps at most 11 users; delete one first."});
        QCOMPARE(s.sent(), QStringList{"A"});
    }

    void aListOfTwelveIsNeitherEditedNorSentBack()
    {
        QString list = QStringLiteral("#10.0.0.5%");
        for (int user = 0; user < 12; ++user)
            list += QStringLiteral("user%1:pass:1%").arg(user, 2, 10, QLatin1Char('0'));
        SettingsFixture s;
        s.signedIn(true);
        s.openFromDriveView(list, [&](TOKRightDlg &d) {
            QCOMPARE(d.ListBox1->count(), 0);
            QVERIFY(d.StatusBar1->currentMessage().contains(QStringLiteral("12 users")));
            QVERIFY(!d.addUserButton->isEnabled());
            QVERIFY(!d.speedTrackbar->isEnabled());
            d.accept();
        });
        QCOMPARE(s.sent(), QStringList{"A"});
    }

    void driveTimeOutAndAcceleration_data()
    {
        QTest::addColumn<bool>("inSession");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("OK in a session") << true << true << QStringList{"A", "V:driveTimeOut:700", "XE120000"};
        QTest::newRow("Cancel in a session") << true << false << QStringList{"A", "V:driveTimeOut:700", "XE120000"};
        QTest::newRow("outside a session") << false << true << QStringList{"A", "XE120000"};
    }
    void driveTimeOutAndAcceleration()
    {
        QFETCH(bool, inSession);
        QFETCH(bool, ok);
        QFETCH(QStringList, sent);
        SettingsFixture s;
        s.signedIn(false);
        s.state().inSession = inSession;
        s.openFromDriveView(QStringLiteral("#10.0.0.5%"), [&](TOKRightDlg &d) {
            QCOMPARE(d.timeoutBar->value(), 8); // 750, ties to even
            QCOMPARE(d.accelBar->value(), 5);   // none saved
            QCOMPARE(d.TrackBar1->value(), 5);  // 7 - 2
            QCOMPARE(s.form().settings.accelSetting, 5);
            QCOMPARE(s.form().settings.driveTimeOut, 750);
            d.timeoutBar->setValue(7);
            d.accelBar->setValue(12);
            ok ? d.accept() : d.reject();
        });
        QCOMPARE(s.sent(), sent);
        QVERIFY(s.file().contains("driveTimeOut:700\r\naccelSetting:12\r\n"));
        QCOMPARE(s.form().settings.driveTimeOut, 700);
    }

    void accelerationGoesOutsideASessionToo()
    {
        SettingsFixture s;
        s.state().activePath = ControlPath::WebRTC; // not yet a session
        s.openFromSignInView([&](TOKRightDlg &d) {
            d.accelBar->setValue(20);
            d.reject();
        });
        QCOMPARE(s.sent(), QStringList{"XE200000"});
    }

    void anUnchangedDialogLeavesTheFile()
    {
        SettingsFixture s;
        s.openFromSignInView([&](TOKRightDlg &d) { d.accept(); });
        QCOMPARE(s.file(), storedSettings); // accelSetting stays 0 in the file
        QCOMPARE(s.form().settings.accelSetting, 5);
    }

    void optionsAreSavedAndReadBack()
    {
        SettingsFixture s;
        s.signedIn(false);
        s.openFromDriveView(QStringLiteral("#10.0.0.5%"), [&](TOKRightDlg &d) {
            d.CheckBox4->setChecked(true);
            QCOMPARE(d.StatusBar1->currentMessage(), QStringLiteral("Press OK to apply changes."));
            d.autoCenterCheckBox->setChecked(true);
            d.TrackBar1->setValue(7);
            QVERIFY(s.form().settings.autoCenter);
            QCOMPARE(s.form().settings.padSensitivity, 0);
            d.accept();
        });
        QCOMPARE(s.file(), QByteArray("Logging:FALSE\r\nAlwaysontop:FALSE\r\nspeedToMute:0\r\npadSensitivity:0\r\n"
                                      "pointNDrive:FALSE\r\nautoAnswer:FALSE\r\ncheckForUpdates:TRUE\r\n"
                                      "autoCenter:TRUE\r\ndriveTimeOut:750\r\naccelSetting:5\r\n"));
    }

    void alwaysOnTop_data()
    {
        QTest::addColumn<bool>("inSession");
        QTest::newRow("in a session") << true;
        QTest::newRow("in the sign-in view") << false;
    }
    void alwaysOnTop()
    {
        QFETCH(bool, inSession);
        SettingsFixture s;
        s.form().show();
        if (inSession)
            s.signedIn(false);
        const auto act = [&](TOKRightDlg &d) {
            d.CheckBox1->setChecked(true);
            QCOMPARE(d.StatusBar1->currentMessage(), QStringLiteral("Press OK to save changes"));
            QCOMPARE(bool(s.form().windowFlags() & Qt::WindowStaysOnTopHint), inSession);
            d.reject();
        };
        inSession ? s.openFromDriveView(QStringLiteral("#10.0.0.5%"), act) : s.openFromSignInView(act);
        QVERIFY(s.form().settings.Alwaysontop);
        QVERIFY(s.file().contains("Alwaysontop:TRUE\r\n"));
    }

    void aFileThatCannotBeWrittenStaysWhole()
    {
        SettingsFixture s;
        s.openFromSignInView([&](TOKRightDlg &d) {
            d.CheckBox4->setChecked(true);
            const FileSizeLimit full(16);
            d.accept();
        });
        QCOMPARE(s.boxes(), QStringList{"Error writing to setting file"});
        QCOMPARE(s.file(), storedSettings);
        QVERIFY(!s.form().settings.checkForUpdates); // read back from the file as it stayed
    }

    void theConfigurationPage()
    {
        SettingsFixture s;
        s.signedIn(false);
        WebPageRecorder browser;
        s.openFromDriveView(QStringLiteral("#10.0.0.5 %"), [&](TOKRightDlg &d) {
            QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
            d.Label12Click();
            QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
            QCOMPARE(browser.opened, QList<QUrl>{QUrl(QStringLiteral("http://10.0.0.5"))});
            d.Label12Click(); // the offscreen desktop has no browser
            QCOMPARE(d.StatusBar1->currentMessage(), QStringLiteral("No web browser to open http://10.0.0.5"));
            d.reject();
        });
    }

    void theEndButtonClosesTheDialog()
    {
        SettingsFixture s;
        s.signedIn(true);
        bool closed = false;
        s.openFromDriveView(twoUsers, [&](TOKRightDlg &d) {
            typeUser(d, QStringLiteral("carol:pass1:0"));
            d.addUserButton->click();
            s.form().Disconnect->click();
            closed = !d.isVisible();
        });
        QVERIFY(closed);
        QVERIFY(!s.sent().join(u' ').contains(u'#')); // the edits were not sent
        QVERIFY(!s.form().userTimer->isActive());
    }

    void openingTheDialogStopsTheWheels()
    {
        SettingsFixture s;
        s.signedIn(true);
        s.form().padDragging = true;
        s.form().link.leftWheelDemand = 60;
        s.form().link.rightWheelDemand = 40;
        bool stopped = false;
        s.openFromDriveView(twoUsers, [&](TOKRightDlg &d) {
            stopped = s.form().link.leftWheelDemand == 0 && s.form().link.rightWheelDemand == 0;
            d.reject();
        });
        QVERIFY(stopped);
        QVERIFY(s.sent().contains(QStringLiteral("L000R000")));
    }

    void aHeldStickLetsGoWhileTheDialogIsOpen()
    {
        SettingsFixture s;
        s.signedIn(true);
        TJoyRelPos forward;
        forward.Y = -0.8;
        s.form().JoyStickMove(s.form().JoystickDevice1, forward, {});
        QVERIFY(s.form().link.leftWheelDemand != 0);
        bool stopped = false;
        s.openFromDriveView(twoUsers, [&](TOKRightDlg &d) {
            forward.Y = -0.9;
            s.form().JoyStickMove(s.form().JoystickDevice1, forward, {});
            stopped = s.form().link.leftWheelDemand == 0 && s.form().link.rightWheelDemand == 0;
            d.reject();
        });
        QVERIFY(stopped);
        QVERIFY(s.sent().contains(QStringLiteral("L000R000")));
    }
};

QTEST_MAIN(SettingsDialogTest)
#include "SettingsDialogTest.moc"
