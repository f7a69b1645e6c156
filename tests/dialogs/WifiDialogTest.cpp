// The "Wifi Selector" on a signed-in window: the robot's network report opens
// it with its rows, OK asks before it switches the robot, and the window's
// wireless indicator waits for the robot to change over.
#include "SignedInWindow.h"
#include "dialogs/TwifiDialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

namespace {

const QString OfficeReport = QStringLiteral("E:Office WLAN,63:Guest,28");
const QString Question = QStringLiteral("This will change the Wireless Network being used by QuorvelBot.\r\n"
                                        "During the change over, you might experience brief interruption in your "
                                        "call.\r\nDo you wish to continue ?");
const QString NothingChosen = QStringLiteral("Select an Wireless Network to switch to or press Cancel");
const QString InUse = QStringLiteral("Wireless Network you selected is the Network being used\r\n"
                                     "Select a different Network or press Cancel to exit");

// name "=" strength for each row, "*" marking the checked one
QStringList rowsOf(const TwifiDialog &dialog)
{
    QStringList rows;
    for (int n = 0; n < dialog.radioButtons.size(); ++n)
        rows << (dialog.radioButtons[n]->isChecked() ? QStringLiteral("*") : QString()) +
                    dialog.radioButtons[n]->text() + u'=' + dialog.strengthLabels[n]->text();
    return rows;
}

// The robot in session on "Office WLAN", its networks listed in the dialog.
struct Listed : SignedInWindow {
    explicit Listed(const QString &current = QStringLiteral("Office WLAN"), const QString &report = OfficeReport)
    {
        robotSays(QStringLiteral("W") + current + QStringLiteral(":72"));
        robotSays(report);
    }
    TwifiDialog &dialog() { return form().networkDialog(); }
};

} // namespace

class WifiDialogTest : public QObject {
    Q_OBJECT
private slots:
    void theRobotsReportOpensTheDialog()
    {
        Listed w;
        w.link().statusBarDisplay(QStringLiteral("Battery low"), false);
        w.robotSays(OfficeReport);
        TwifiDialog &dialog = w.dialog();
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.isModal());
        QCOMPARE(dialog.windowType(), Qt::Tool);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Wifi Selector"));
        QCOMPARE(rowsOf(dialog), (QStringList{"*Office WLAN=90% ", "Guest=40% "}));
        QCOMPARE(w.link().linkState.networkScanText, QStringLiteral("E:Office~WLAN,63:Guest,28"));
        QCOMPARE(w.form().statusBarLabel->text(), QString());
        // centred before the desktop drew its frame around it
        QVERIFY(qAbs(dialog.frameGeometry().center().x() - dialog.screen()->geometry().center().x()) <= 3);
        QVERIFY(qAbs(dialog.frameGeometry().center().y() - dialog.screen()->geometry().center().y()) <= 3);
        QCOMPARE(dialog.radioButtons[1]->geometry(), QRect(25, 115, 210, 20));
        QCOMPARE(dialog.strengthLabels[1]->geometry().topLeft(), QPoint(230, 118));
        QVERIFY(dialog.strengthLabels[1]->alignment() & Qt::AlignRight);
        QCOMPARE(dialog.size(), QSize(380, 192));
        QVERIFY(dialog.OKBtn->isDefault());
        QVERIFY(w.take().isEmpty());
    }

    void aLaterReportListsAnew()
    {
        Listed w(QStringLiteral("Lab"), QStringLiteral("E:n1,7:n2,7:n3,7:n4,7:n5,7:n6,7:n7,7:Lab,14:n9,21"));
        QCOMPARE(rowsOf(w.dialog()).size(), 8);
        QCOMPARE(rowsOf(w.dialog()).last(), QStringLiteral("*Lab=20% "));
        QCOMPARE(w.dialog().height(), 235 + 60); // the eighth row shows
        w.robotSays(QStringLiteral("E:Tom & Jerry,70"));
        QCOMPARE(rowsOf(w.dialog()), QStringList{"Tom && Jerry=100% "});
        QCOMPARE(w.dialog().findChildren<QRadioButton *>().size(), 1);
    }

    void ok_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("report");
        QTest::addColumn<int>("chosen"); // -1: the row checked at opening
        QTest::addColumn<bool>("yes");   // the answer to the question
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<bool>("open");
        const QString asked = QStringLiteral("Wifi Notification|") + Question;
        QTest::newRow("another network, yes")
            << "Office WLAN" << OfficeReport << 1 << true << QStringList{asked} << QStringList{"Y,Guest,28"} << false;
        QTest::newRow("the last row's quality")
            << "Guest" << OfficeReport << 0 << true << QStringList{asked} << QStringList{"Y,Office WLAN,28"} << false;
        QTest::newRow("no keeps the dialog")
            << "Office WLAN" << OfficeReport << 1 << false << QStringList{asked} << QStringList{} << true;
        QTest::newRow("the network in use")
            << "Office WLAN" << OfficeReport << -1 << false << QStringList{"Error|" + InUse} << QStringList{} << true;
        QTest::newRow("none chosen") << "Cellar" << OfficeReport << -1 << false << QStringList{"Error|" + NothingChosen}
                                     << QStringList{} << true;
        QTest::newRow("no networks") << "Cellar"
                                     << "E" << -1 << false << QStringList{"Error|" + NothingChosen} << QStringList{}
                                     << true;
        QTest::newRow("a name too short")
            << "Guest"
            << "E:A,35:Guest,28" << 0 << true << QStringList{asked} << QStringList{} << false;
    }
    void ok()
    {
        QFETCH(QString, current);
        QFETCH(QString, report);
        QFETCH(int, chosen);
        Listed w(current, report);
        TwifiDialog &dialog = w.dialog();
        if (chosen >= 0)
            dialog.radioButtons[chosen]->setChecked(true);
        QFETCH(bool, yes);
        w.f.fake.boxes.answers = {yes ? BoxAnswer::Yes : BoxAnswer::No};
        QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
        QTEST(w.boxesShown(), "boxes");
        QFETCH(QStringList, sent);
        QCOMPARE(w.take(), sent);
        QTEST(dialog.isVisible(), "open");
        QCOMPARE(w.link().linkState.wifiSwitchPending, !sent.isEmpty());
        QCOMPARE(w.form().wifipanel->isVisible(), sent.isEmpty());
        if (dialog.isVisible() && chosen >= 0)
            QVERIFY(dialog.radioButtons[chosen]->isChecked()); // the same choice
        for (const BoxRequest &box : w.f.fake.boxes.shown)
            QCOMPARE(box.icon, box.caption == QLatin1String("Error") ? BoxIcon::Warning : BoxIcon::Question);
    }

    void cancelSendsNothing_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Cancel") << false;
        QTest::newRow("Escape") << true;
    }
    void cancelSendsNothing()
    {
        QFETCH(bool, escape);
        Listed w;
        w.dialog().radioButtons[1]->setChecked(true);
        if (escape)
            QTest::keyClick(&w.dialog(), Qt::Key_Escape);
        else
            QTest::mouseClick(w.dialog().CancelBtn, Qt::LeftButton);
        QVERIFY(!w.dialog().isVisible());
        QVERIFY(w.dialog().radioButtons.isEmpty());
        QVERIFY(w.take().isEmpty());
        QVERIFY(w.f.fake.boxes.shown.isEmpty());
    }

    // The indicator waits for the robot to change over, and the robot's
    // confirmation names the network.
    void theRobotConfirmsTheSwitch()
    {
        Listed w;
        w.dialog().radioButtons[1]->setChecked(true);
        w.f.fake.boxes.answers = {BoxAnswer::Yes};
        QTest::mouseClick(w.dialog().OKBtn, Qt::LeftButton);
        w.robotSays(QStringLiteral("WGuest:40"));
        QVERIFY(!w.form().wifipanel->isVisible());
        QCOMPARE(w.link().linkState.currentNetwork, QStringLiteral("Office WLAN"));

        w.robotSays(QStringLiteral("ACKWIFI"));
        QCOMPARE(w.form().statusBarLabel->text(), QStringLiteral("QuorvelBot now connected to Guest"));
        QVERIFY(!w.link().linkState.wifiSwitchPending);
        w.robotSays(QStringLiteral("WGuest:40"));
        QVERIFY(w.form().wifipanel->isVisible());
        QCOMPARE(w.form().wifipanel->toolTip(), QStringLiteral("Connected to Guest (40%)"));
    }

    // A switch the robot never confirms hides the indicator for the session,
    // not for good: the next session's reports show it.
    void anUnconfirmedSwitchEndsWithTheSession()
    {
        Listed w;
        w.dialog().radioButtons[1]->setChecked(true);
        w.f.fake.boxes.answers = {BoxAnswer::Yes};
        QTest::mouseClick(w.dialog().OKBtn, Qt::LeftButton);
        QVERIFY(w.link().linkState.wifiSwitchPending);
        w.robotSays(QStringLiteral("Z"));
        QVERIFY(!w.form().driveViewShown);
        QVERIFY(!w.link().linkState.wifiSwitchPending);

        w.link().linkState.activePath = ControlPath::WebRTC;
        w.link().linkState.loginRequested = true;
        w.robotSays(QStringLiteral("AUTH:1:80:x:M3"));
        QVERIFY(w.form().driveViewShown);
        w.robotSays(QStringLiteral("WGuest:40"));
        QVERIFY(w.form().wifipanel->isVisible());
    }

    void theEndOfTheSessionClosesTheDialog()
    {
        Listed w;
        w.dialog().radioButtons[1]->setChecked(true);
        w.form().DisconnectClick();
        QVERIFY(!w.dialog().isVisible());
        QVERIFY(w.take().filter(QStringLiteral("Y,")).isEmpty());
    }
};

QTEST_MAIN(WifiDialogTest)
#include "WifiDialogTest.moc"
