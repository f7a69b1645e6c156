// The robot's reports as the indicators of the drive view show them.
#include "FormFixture.h"
#include "ui/Picture.h"

#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// The caption can be read: some of its pixels differ clearly from the
// ground it is drawn on.
bool captionStandsOut(QWidget *button)
{
    const QImage image = button->grab().toImage();
    const int ground = QColor(image.pixel(1, 1)).lightness();
    int most = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            most = qMax(most, qAbs(QColor(image.pixel(x, y)).lightness() - ground));
    return most > 80;
}

struct Reporting {
    FormFixture f;
    Reporting()
    {
        f.selectRobot();
        f.form->driveViewShown = true;
        f.form->disableDriveView();
        f.form->enableDriveView();
        f.form->link.linkState.activePath = ControlPath::WebRTC;
        f.form->show();
    }
    TForm2 &form() { return *f.form; }
    void deliver(const QString &message)
    {
        try {
            f.form->link.processIncomingData(message);
        } catch (const LinkError &) {
        }
    }
    // the battery pictures shown, by name
    QStringList batteryShown() const
    {
        QStringList shown;
        for (Picture *p : f.form->Panel2->findChildren<Picture *>())
            if (p->isVisibleTo(f.form->Panel2))
                shown << p->objectName();
        shown.sort();
        return shown;
    }
    QStringList wifiShown() const
    {
        QStringList shown;
        for (Picture *p : f.form->wifipanel->findChildren<Picture *>())
            if (p->isVisibleTo(f.form->wifipanel))
                shown << p->objectName();
        return shown;
    }
    bool red(QFrame *bar) const { return bar->palette().color(QPalette::Window) == QColor(Qt::red); }
};

} // namespace

class StatusReportsTest : public QObject {
    Q_OBJECT
private slots:
    void proximity()
    {
        Reporting r;
        r.deliver(QStringLiteral("K0530"));
        QCOMPARE(r.form().link.linkState.sensorReadings, (std::array<int, 4>{0, 25, 0, 0}));
        QVERIFY(r.red(r.form().shRight) && r.red(r.form().shLeft));
        QCOMPARE(r.form().shRight->height(), 26);
        QCOMPARE(r.form().shLeft->height(), 45);
        QCOMPARE(r.form().shRight->x(), 115);

        r.deliver(QStringLiteral("K6570224055"));
        QCOMPARE(r.form().link.linkState.sensorReadings, (std::array<int, 4>{60, 60, 17, 35}));
        QCOMPARE(r.form().statusBarLabel->text(), QStringLiteral("Cliff ahead, cannot go forward"));
        QCOMPARE(r.form().shRight->height(), 0);
        QCOMPARE(r.form().shLeft->height(), 19);
        QVERIFY(!r.red(r.form().shRight) && !r.red(r.form().shLeft));

        r.deliver(QStringLiteral("K05050500"));
        QCOMPARE(r.form().shLeft->height(), 0); // "00" is -5: no bar, colour kept
        QVERIFY(!r.red(r.form().shLeft));
        QCOMPARE(r.form().shRight->height(), 45);
        QVERIFY(r.red(r.form().shRight));
        r.deliver(QStringLiteral("K05355500")); // 30 keeps the colour
        QCOMPARE(r.form().shRight->height(), 22);
        QVERIFY(r.red(r.form().shRight));
        r.deliver(QStringLiteral("K05365500")); // above 30: white again
        QVERIFY(!r.red(r.form().shRight));
    }

    void battery_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("chargingEnabled");
        QTest::newRow("on battery") << "bd12,3.5,45" << "M3" << QStringList{"batt3"} << "3.5 hours (45%) remaining" << 45
                                    << 1 << true;
        QTest::newRow("table-top") << "bd12,3.5,45" << "T2" << QStringList{"batt3"} << "45% remaining" << 45 << 1
                                   << true;
        QTest::newRow("empty") << "bd12,3.5,0" << "M3" << QStringList{"batt0"} << "0 hours (0%) remaining" << 0 << 1
                               << true;
        QTest::newRow("charging") << "bc45" << "M3" << QStringList{"batt3", "battCharging"} << "Charging at 45 %"
                                  << 45 << 2 << false;
        QTest::newRow("charging below zero") << "bc-3" << "M3" << QStringList{"batt0", "battCharging"}
                                             << "Charging at 0 %" << 0 << 2 << false;
        QTest::newRow("full") << "be" << "M3" << QStringList{"batt6", "battCharging"} << "Battery fully charged" << 100
                              << 0 << false;
        QTest::newRow("no battery") << "bx" << "M3" << QStringList{"battNotPresent"} << "No Battery Present" << -1 << -1
                                    << false;
    }
    void battery()
    {
        Reporting r;
        QFETCH(QString, model);
        r.form().link.linkState.robotModel = model;
        QFETCH(bool, chargingEnabled);
        r.form().chargingButton->setEnabled(!chargingEnabled); // so each report must change it
        QFETCH(QString, report);
        r.deliver(report);
        QVERIFY(r.form().Panel2->isVisible());
        QTEST(r.batteryShown(), "shown");
        QTEST(r.form().Panel2->toolTip(), "tooltip");
        QTEST(r.form().link.linkState.batteryPercent, "percent");
        QTEST(r.form().link.linkState.batteryState, "state");
        QTEST(r.form().chargingButton->isEnabled(), "chargingEnabled");
    }

    void batteryReportsThatStopPartWay()
    {
        Reporting r;
        r.deliver(QStringLiteral("bd12,3.5,45"));
        r.deliver(QStringLiteral("bd45")); // no commas: shown, emptied, stopped
        QVERIFY(r.form().Panel2->isVisible());
        QVERIFY(r.batteryShown().isEmpty());
        QCOMPARE(r.form().link.linkState.batteryPercent, 45);
        r.deliver(QStringLiteral("bz"));
        QVERIFY(!r.form().Panel2->isVisible());
        QCOMPARE(r.form().link.linkState.batteryState, -1);
        QCOMPARE(r.form().link.linkState.batteryPercent, 45);
    }

    // A robot reports many times a second: a report that shows what is
    // already shown touches no control of the indicators.
    void repeatedReportsTouchNothing_data()
    {
        QTest::addColumn<QString>("report");
        QTest::newRow("on battery") << "bd12,3.5,45";
        QTest::newRow("charging") << "bc45";
        QTest::newRow("no battery") << "bx";
        QTest::newRow("wireless") << "WOfficeLAN:60";
        QTest::newRow("cable") << "W~eth~";
        QTest::newRow("proximity") << "K05355500";
    }
    void repeatedReportsTouchNothing()
    {
        struct Touches : QObject {
            int count = 0;
            bool eventFilter(QObject *, QEvent *event) override
            {
                const QEvent::Type type = event->type();
                count += type == QEvent::Show || type == QEvent::Hide || type == QEvent::ToolTipChange
                         || type == QEvent::PaletteChange || type == QEvent::Move || type == QEvent::Resize;
                return false;
            }
        } touches;
        Reporting r;
        QFETCH(QString, report);
        r.deliver(report);
        for (QWidget *panel : {static_cast<QWidget *>(r.form().Panel2), static_cast<QWidget *>(r.form().wifipanel),
                               static_cast<QWidget *>(r.form().shLeft), static_cast<QWidget *>(r.form().shRight)}) {
            panel->installEventFilter(&touches);
            for (QWidget *child : panel->findChildren<QWidget *>())
                child->installEventFilter(&touches);
        }
        r.deliver(report);
        QCOMPARE(touches.count, 0);
    }

    void lowBatteryStopsChargingTheHead_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("25 %") << "bd12,3.5,25" << QStringList{"XQ023456"};
        QTest::newRow("20 %") << "bd1,2,20" << QStringList{"XQ023456"};
        QTest::newRow("26 %") << "bd1,2,26" << QStringList{};
        QTest::newRow("0 % is not a reading") << "bd12,3.5,0" << QStringList{};
    }
    void lowBatteryStopsChargingTheHead()
    {
        Reporting r;
        r.form().link.linkState.remoteChargingOn = true;
        QFETCH(QString, report);
        r.deliver(report);
        QTEST(r.f.webRtc->written, "sent");
        QFETCH(QStringList, sent);
        QCOMPARE(r.form().link.linkState.remoteChargingOn, sent.isEmpty());
    }

    void chargingReportsResetTheButton()
    {
        Reporting r;
        r.form().link.linkState.remoteChargingOn = true;
        r.form().chargingButton->setEnabled(true);
        r.deliver(QStringLiteral("bc80"));
        QVERIFY(!r.form().link.linkState.remoteChargingOn);
        QVERIFY(!r.form().chargingButton->isEnabled());
        QVERIFY(r.f.webRtc->written.isEmpty());
    }

    void wireless_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<QString>("network");
        QTest::newRow("cable") << "W~eth~" << QStringList{"wifiEth"} << "Connected to Ethernet" << "";
        QTest::newRow("weak") << "WHome:19" << QStringList{"wifi0"} << "Connected to Home (19%)" << "Home";
        QTest::newRow("strong with blank") << "WHome: 80" << QStringList{"wifi4"} << "Connected to Home ( 80%)"
                                           << "Home";
        QTest::newRow("60") << "WOfficeLAN:60" << QStringList{"wifi3"} << "Connected to OfficeLAN (60%)"
                            << "OfficeLAN";
        QTest::newRow("no colon") << "Wnothing" << QStringList{} << "Connected to  (Wnothing%)" << "";
    }
    void wireless()
    {
        Reporting r;
        r.form().link.linkState.currentNetwork = QStringLiteral("before");
        QFETCH(QString, report);
        r.deliver(report);
        QVERIFY(r.form().wifipanel->isVisible());
        QTEST(r.wifiShown(), "shown");
        QTEST(r.form().wifipanel->toolTip(), "tooltip");
        if (!report.startsWith(QLatin1String("W~eth~")))
            QTEST(r.form().link.linkState.currentNetwork, "network");
    }

    void wirelessWaitsForASwitch()
    {
        Reporting r;
        r.form().link.linkState.wifiSwitchPending = true;
        r.deliver(QStringLiteral("WHome:80"));
        QVERIFY(!r.form().wifipanel->isVisible());
        r.deliver(QStringLiteral("ACKWIFI"));
        r.deliver(QStringLiteral("WHome:80"));
        QVERIFY(r.form().wifipanel->isVisible());
    }

    void laserAndScan()
    {
        Reporting r;
        r.deliver(QStringLiteral("laserPresent:1"));
        QVERIFY(r.form().link.linkState.laserPresent && r.form().laserButton->isEnabled());
        r.deliver(QStringLiteral("laserPresent:true"));
        QVERIFY(!r.form().link.linkState.laserPresent && !r.form().laserButton->isEnabled());
        r.form().link.statusBarDisplay(QStringLiteral("something"), true);
        r.deliver(QStringLiteral("Enet one,80 net two,40"));
        QCOMPARE(r.form().link.linkState.networkScanText, QStringLiteral("Enet~one,80~net~two,40"));
        QCOMPARE(r.form().statusBarLabel->text(), QString());
        QVERIFY(r.form().link.statusLine.statusBarTimer->isActive()); // emptied without touching the timer
    }

    void headlights()
    {
        Reporting r;
        r.form().headLightButton->setEnabled(true);
        QStringList statuses;
        for (int i = 0; i < 4; ++i) {
            r.form().headLightButton->click();
            statuses << r.form().statusBarLabel->text();
            QVERIFY2(captionStandsOut(r.form().headLightButton), qPrintable(statuses.last()));
        }
        QCOMPARE(r.f.webRtc->written, (QStringList{"XH025000", "XH050000", "XH075000", "XH000000"}));
        QCOMPARE(statuses, (QStringList{"Headlights On - Low", "Headlights On - Med", "Headlights On - Hi",
                                        "Headlights Off"}));
        QVERIFY(!r.form().headLightButton->font().bold());
        QCOMPARE(r.form().headLightButton->palette().color(QPalette::ButtonText), QColor(Qt::black));
        r.form().headLightButton->setEnabled(false);
        r.form().headLightButtonClick();
        QCOMPARE(r.f.webRtc->written.size(), 4);
    }

    void laserButton()
    {
        Reporting r;
        r.form().LaserButtonClick();
        QVERIFY(r.f.webRtc->written.isEmpty()); // none fitted
        r.form().link.linkState.laserPresent = true;
        r.form().LaserButtonClick();
        QVERIFY(r.form().laserButton->font().bold());
        r.form().LaserButtonClick();
        QCOMPARE(r.f.webRtc->written, (QStringList{"XL123456", "XL023456"}));
        QCOMPARE(r.form().statusBarLabel->text(), QStringLiteral("Laser Off"));
        r.f.webRtc->failing = true;
        r.form().LaserButtonClick();
        QCOMPARE(r.form().statusBarLabel->text(), QStringLiteral("Laser Switching failure"));
        QVERIFY(!r.form().link.linkState.laserOn);
    }

    void chargingButton_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("pathFails");
        // the status line shows 55 characters of the low-battery text
        const QString low = QStringLiteral("Remote Tablet charging disabled. Low battery on Quorvel..");
        QTest::newRow("24 %") << 24 << QStringList{} << low << false;
        QTest::newRow("25 %") << 25 << QStringList{"XQ123456"} << "Remote Tablet charging ON" << false;
        QTest::newRow("unknown") << -1 << QStringList{} << low << false;
        QTest::newRow("send fails") << 80 << QStringList{} << "Remote Tablet Charing failure" << true;
    }
    void chargingButton()
    {
        Reporting r;
        QFETCH(int, percent);
        QFETCH(bool, pathFails);
        r.form().link.linkState.batteryPercent = percent;
        r.f.webRtc->failing = pathFails;
        r.form().CharginButtonClick();
        QTEST(r.f.webRtc->written, "sent");
        QTEST(r.form().statusBarLabel->text(), "status");
    }
};

QTEST_MAIN(StatusReportsTest)
#include "StatusReportsTest.moc"
