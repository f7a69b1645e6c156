#include "dialogs/TPagesDlg.h"

#include "FakeWebServer.h"
#include "FormFixture.h"
#include "LinkFixture.h"
#include "UpdateTexts.h"

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

namespace {

const QString Version = QStringLiteral("3.2");

// An application folder of its own, with or without a help file.
struct Home {
    QTemporaryDir dir;
    Home() { qputenv("QUORVELBOT_HOME", dir.path().toLocal8Bit()); }
    ~Home() { qunsetenv("QUORVELBOT_HOME"); }
    void writeHelp(const QByteArray &text)
    {
        QFile file(dir.filePath(QStringLiteral("helpFile.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
};

// The dialog on a link of its own, as the window makes it.
struct Dialog {
    Home home;
    LinkFixture f;
    TPagesDlg dlg{f.link};

    // A session with the robot of the example: table-top, head device, board serial 255.
    void startSession(const QString &model = QStringLiteral("T102053.8"))
    {
        f.selectRobot();
        f.link.linkState.robotModel = model;
        f.link.processIncomingData(QStringLiteral("headType:galaxy"));
        f.link.processIncomingData(QStringLiteral("boardSerialNumber:255"));
        f.link.callAnswered();
    }
    // The left edge that centres a control on the page.
    static int centred(QWidget *control) { return qRound(401 / 2.0) - qRound(control->width() / 2.0); }
};

QStringList lines(const QLabel *label)
{
    return label->text().split(u'\n');
}

} // namespace

class HelpDialogTest : public QObject {
    Q_OBJECT
private slots:
    void helpPageReadsTheFileEachTime()
    {
        Dialog d;
        d.home.writeHelp("Using the controller\r\n\r\nHold the left button on the pad.\r\n");
        d.dlg.showPage(TPagesDlg::HelpPage, false);
        QVERIFY(d.dlg.isVisible());
        QCOMPARE(d.dlg.PageControl->currentIndex(), 0);
        QCOMPARE(d.dlg.PageControl->tabText(0), QStringLiteral("Using Controller"));
        QCOMPARE(d.dlg.RichEdit1->toPlainText(),
                 QStringLiteral("Using the controller\n\nHold the left button on the pad.\n"));
        QVERIFY(d.dlg.RichEdit1->isReadOnly());

        d.home.writeHelp("Changed\r\n");
        d.dlg.PageControl->setCurrentIndex(1);
        d.dlg.PageControl->setCurrentIndex(0);
        QCOMPARE(d.dlg.RichEdit1->toPlainText(), QStringLiteral("Changed\n"));
        QVERIFY(d.f.fake.boxes.shown.isEmpty());
    }

    void helpShownModally()
    {
        Dialog d;
        d.home.writeHelp("Help\r\n");
        bool wasModal = false;
        QTimer::singleShot(0, &d.dlg, [&] {
            wasModal = d.dlg.isVisible() && d.dlg.isModal() && d.dlg.PageControl->currentIndex() == 0;
            d.dlg.accept();
        });
        d.dlg.showPage(TPagesDlg::HelpPage, true);
        QVERIFY(wasModal);
    }

    void missingHelpFile_data()
    {
        QTest::addColumn<bool>("modal");
        QTest::newRow("modal: not opened") << true;
        QTest::newRow("beside the window: stays open") << false;
    }
    void missingHelpFile()
    {
        QFETCH(bool, modal);
        Dialog d;
        d.dlg.showPage(TPagesDlg::AboutPage, false);
        if (modal) {
            d.dlg.hide();
            d.dlg.showPage(TPagesDlg::HelpPage, true); // returns at once
        } else {
            d.dlg.PageControl->setCurrentIndex(0);
        }
        QCOMPARE(d.f.fake.boxes.shown.size(), 1);
        QCOMPARE(d.f.fake.boxes.shown[0].text, QStringLiteral("Help file missing."));
        QCOMPARE(d.f.fake.boxes.shown[0].caption, QStringLiteral("Error"));
        QCOMPARE(d.dlg.isVisible(), !modal);
        QVERIFY(d.dlg.RichEdit1->toPlainText().isEmpty());
    }

    void aboutBeforeAnySession()
    {
        Dialog d;
        d.dlg.showPage(TPagesDlg::AboutPage, false);
        QVERIFY(d.dlg.isVisible() && !d.dlg.isModal());
        QCOMPARE(d.dlg.windowTitle(), QStringLiteral("Help"));
        QCOMPARE(d.dlg.size(), QSize(407, 297));
        QCOMPARE(d.dlg.PageControl->currentIndex(), 1);
        QCOMPARE(d.dlg.Label11->text(), QStringLiteral("QuorvelBot Controller"));
        QCOMPARE(d.dlg.Label1->text(), QStringLiteral("Version ") + Version);
        QCOMPARE(d.dlg.Label1->x(), Dialog::centred(d.dlg.Label1));
        QCOMPARE(d.dlg.Label2->text(), QStringLiteral("Click here to visit Support Site"));
        QCOMPARE(d.dlg.Label3->text(), QStringLiteral("Check for Updates"));
        QCOMPARE(d.dlg.Label2->y(), 171);
        QCOMPARE(d.dlg.Label3->y(), 190);
        QVERIFY(d.dlg.Label2->isVisible() && d.dlg.Label3->isVisible());
        QVERIFY(!d.dlg.robotHeading->isVisible() && !d.dlg.robotBody->isVisible() && !d.dlg.Shape1->isVisible());
        // centred on the screen
        QCOMPARE(d.dlg.frameGeometry().center(), d.dlg.screen()->geometry().center());
    }

    void aboutShowsTheRobotOfTheSession()
    {
        Dialog d;
        d.dlg.showPage(TPagesDlg::AboutPage, false);
        d.startSession();
        QCOMPARE(d.dlg.size(), QSize(407, 360));
        QCOMPARE(d.dlg.Label1->text(), QStringLiteral("Version Number: ") + Version);
        QCOMPARE(lines(d.dlg.robotBody),
                 QStringList({"Device Holder: Samsung Galaxy Tab", "Serial Number: lindmerevindra05",
                              "Robot Application Version: 3.8", "Firmware Version: T1", "Hardware Version: 02",
                              "Hardware Serial Number: 05"}));
        QCOMPARE(d.dlg.robotHeading->text(), QStringLiteral("\"Lab bench\" Configuration"));
        for (QWidget *w : std::initializer_list<QWidget *>{d.dlg.robotHeading, d.dlg.robotBody, d.dlg.Shape1}) {
            QVERIFY(w->isVisible());
            QCOMPARE(w->x(), Dialog::centred(w));
        }
        QCOMPARE(d.dlg.Shape1->size(), QSize(241, 2));
        QCOMPARE(d.dlg.Label2->y(), 281);
        QCOMPARE(d.dlg.Label3->y(), 300);

        // a serial number the robot tells later
        d.f.link.processIncomingData(QStringLiteral("boardSerialNumber:QB-77"));
        QCOMPARE(lines(d.dlg.robotBody).last(), QStringLiteral("Hardware Serial Number: QB-77"));
    }

    void serialLineOfOtherModels_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("serialLine"); // empty: none
        QTest::newRow("ff") << "M3x4ff3.9"
                            << "";
        QTest::newRow("AA") << "M3x4AA3.9"
                            << "Serial Number: quorvelbotvindraVSR-0042";
    }
    void serialLineOfOtherModels()
    {
        QFETCH(QString, model);
        QFETCH(QString, serialLine);
        Dialog d;
        d.startSession(model);
        d.f.link.processIncomingData(QStringLiteral("robotSerialNumber:VSR-0042"));
        const QStringList shown = lines(d.dlg.robotBody);
        QCOMPARE(shown.value(1), serialLine.isEmpty() ? QStringLiteral("Robot Application Version: 3.9") : serialLine);
    }

    void endOfSessionClearsTheRobot()
    {
        Dialog d;
        d.dlg.showPage(TPagesDlg::AboutPage, false);
        d.startSession();
        d.f.link.endSession();
        QCOMPARE(d.dlg.size(), QSize(407, 300));
        QCOMPARE(d.dlg.Label1->text(), QStringLiteral("Version Number ") + Version);
        QCOMPARE(d.dlg.Label2->y(), 171);
        QCOMPARE(d.dlg.Label3->y(), 190);
        QVERIFY(!d.dlg.robotHeading->isVisible() && !d.dlg.robotBody->isVisible() && !d.dlg.Shape1->isVisible());
        // a late fact of the ended session brings nothing back
        d.f.link.processIncomingData(QStringLiteral("robotSerialNumber:VSR-0042"));
        QVERIFY(!d.dlg.robotBody->isVisible());
    }

    void openedLateItShowsTheSessionsSoFar_data()
    {
        QTest::addColumn<int>("sessionsEnded");
        QTest::addColumn<bool>("inSession");
        QTest::addColumn<int>("height");
        QTest::newRow("never a session") << 0 << false << 297;
        QTest::newRow("in the first session") << 0 << true << 360;
        QTest::newRow("after a session") << 1 << false << 300;
        QTest::newRow("in a later session") << 1 << true << 360;
    }
    void openedLateItShowsTheSessionsSoFar()
    {
        // the window makes the dialog only when it is first opened
        QFETCH(int, sessionsEnded);
        QFETCH(bool, inSession);
        Home home;
        FormFixture f;
        f.selectRobot();
        for (int i = 0; i < sessionsEnded; ++i) {
            f.form->link.callAnswered();
            f.form->link.endSession();
        }
        if (inSession)
            f.form->link.callAnswered();
        f.form->About2Click();
        TPagesDlg &dlg = f.form->pagesDialog();
        QTEST(dlg.height(), "height");
        QCOMPARE(dlg.robotBody->isVisible(), inSession);
        QCOMPARE(dlg.robotHeading->text().isEmpty(), !inSession);
    }

    void accessories()
    {
        Dialog d;
        d.dlg.showPage(TPagesDlg::AccessoriesPage, false);
        QCOMPARE(d.dlg.PageControl->tabText(2), QStringLiteral("Accessories"));
        QCOMPARE(d.dlg.accL->text(), QStringLiteral("Log in to a QuorvelBot to get an accessory List"));

        LinkState &s = d.f.link.linkState;
        s.robotGeneration = QStringLiteral("1");
        s.laserPresent = true;
        s.multiRadioPresent = true;
        s.wifiRadioCount = 1;
        d.startSession(QStringLiteral("M3x4AA3.9"));
        // the mouse coming into the page rebuilds the list from the facts
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(d.dlg.AccessoryList, &enter);
        QCOMPARE(lines(d.dlg.accL), QStringList({QStringLiteral("1. Motorized Pan 180\u00b0   - Absent"),
                                                 "2. Laser Pointer  - Present", "3. Multiple Wifi Radio  - Present",
                                                 "    Only 1 radio operational", "4. LED Headlights  - Absent", ""}));

        s.wifiRadioCount = 3; // so is a switch to the page
        d.dlg.PageControl->setCurrentIndex(1);
        d.dlg.PageControl->setCurrentIndex(2);
        QCOMPARE(lines(d.dlg.accL).value(3), QStringLiteral("    - 3 radio Operational"));

        d.f.link.endSession();
        QCOMPARE(d.dlg.accL->text(), QStringLiteral("Log in to a QuorvelBot to get an accessory List"));
    }

    void supportSiteOpensInTheBrowser()
    {
        qputenv("QUORVELBOT_SERVER", "http://127.0.0.1:8080");
        Dialog d;
        qunsetenv("QUORVELBOT_SERVER");
        d.dlg.showPage(TPagesDlg::AboutPage, false);
        QCOMPARE(d.dlg.Label2->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(d.dlg.Label2->toolTip(), QStringLiteral("http://127.0.0.1:8080/support"));
        QTest::mouseClick(d.dlg.Label2, Qt::LeftButton);
        QCOMPARE(d.f.fake.journal, QStringList{"shell xdg-open [http://127.0.0.1:8080/support] in []"});
    }

    void checkForUpdatesOnTheAboutPage()
    {
        FakeWebServer web;
        web.answer = [](const HttpRequest &) { return HttpAnswer{200, "3.2\r\n", {}}; };
        QVERIFY(web.listen());
        qputenv("QUORVELBOT_SERVER", web.address());
        Dialog d;
        d.dlg.showPage(TPagesDlg::AboutPage, false);
        QTest::mouseClick(d.dlg.Label3, Qt::LeftButton);
        QVERIFY(!d.dlg.Label3->isEnabled()); // one check at a time
        QTRY_VERIFY(d.dlg.Label3->isEnabled());
        qunsetenv("QUORVELBOT_SERVER");
        QCOMPARE(d.f.fake.boxes.shown.size(), 1);
        QCOMPARE(d.f.fake.boxes.shown[0].text,
                 updateTexts::ControllerLatest + QStringLiteral("\r\n") + updateTexts::LogIn);
        QCOMPARE(d.f.fake.boxes.shown[0].caption, QStringLiteral("Updates"));
    }

    void menusOpenTheDialog_data()
    {
        QTest::addColumn<bool>("driveView");
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("modal");
        QTest::newRow("sign-in Help") << false << "Help" << 0 << true;
        QTest::newRow("sign-in About") << false << "About" << 1 << false;
        QTest::newRow("drive Help") << true << "Help" << 0 << true;
        QTest::newRow("drive About") << true << "About" << 1 << false;
    }
    void menusOpenTheDialog()
    {
        QFETCH(bool, driveView);
        QFETCH(QString, item);
        QFETCH(int, page);
        QFETCH(bool, modal);
        Home home;
        home.writeHelp("Help\r\n");
        FormFixture f;
        QMenu *menu = driveView ? f.form->drivePopUp : f.form->PopupMenu1;
        QAction *action = nullptr;
        for (QAction *a : menu->actions())
            if (a->text() == item)
                action = a;
        QVERIFY(action);
        bool shownModally = false;
        int shownPage = -1;
        QTimer::singleShot(0, &f.form->pagesDialog(), [&] {
            shownModally = f.form->pagesDialog().isModal();
            shownPage = f.form->pagesDialog().PageControl->currentIndex();
            f.form->pagesDialog().close();
        });
        action->trigger();
        QTRY_COMPARE(shownPage, page);
        QCOMPARE(shownModally, modal);
    }

    void openingLetsGoOfThePad()
    {
        Home home;
        FormFixture f;
        f.form->padDragging = true;
        f.form->link.leftWheelDemand = f.form->link.rightWheelDemand = 60;
        f.form->About3Click();
        QVERIFY(f.form->pagesDialog().isVisible());
        QVERIFY(!f.form->padDragging);
        QCOMPARE(f.form->link.leftWheelDemand, 0.f);
        QCOMPARE(f.form->link.rightWheelDemand, 0.f);
    }

    void signInOptionsButtonOpensItsMenu()
    {
        Home home;
        FormFixture f;
        f.form->show();
        QTimer::singleShot(0, f.form->PopupMenu1, [&] { f.form->PopupMenu1->close(); });
        f.form->helpButtonClick();
        QVERIFY(f.form->PopupMenu1->isVisible());
        QCOMPARE(f.form->PopupMenu1->pos(), f.form->frameGeometry().topLeft() + f.form->helpButton->pos());
    }
};

QTEST_MAIN(HelpDialogTest)
#include "HelpDialogTest.moc"
