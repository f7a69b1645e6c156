#include "FormFixture.h"
#include "ui/DisplayScale.h"
#include "ui/Picture.h"

#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// A window laid out in its sign-in view at a display scale, as start-up does.
void signInView(FormFixture &f, double scale)
{
    f.form->displayScale = scale;
    f.form->driveViewShown = true;
    f.form->disableDriveView();
    f.form->show();
}

void saveArtefact(QWidget *window, const QString &name)
{
    QDir().mkpath(QStringLiteral(ARTEFACT_DIR));
    window->grab().save(QStringLiteral(ARTEFACT_DIR "/%1.png").arg(name));
}

} // namespace

class ViewsTest : public QObject {
    Q_OBJECT
private slots:
    void displayScale_data()
    {
        QTest::addColumn<double>("ppi");
        QTest::addColumn<double>("scale");
        QTest::newRow("96") << 96.0 << 1.0;
        QTest::newRow("120") << 120.0 << 1.25;
        QTest::newRow("124.8 is 1.3") << 124.8 << 1.3;
        QTest::newRow("144") << 144.0 << 1.53;
        QTest::newRow("192") << 192.0 << 2.04;
    }
    void displayScale()
    {
        QFETCH(double, ppi);
        QFETCH(double, scale);
        QVERIFY(qAbs(displayScaleFor(ppi) - scale) < 1e-9);
    }

    void sizes_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QSize>("driveView");
        QTest::addColumn<QSize>("signInView");
        QTest::newRow("96 dpi") << 1.0 << "M3" << QSize(620, 230) << QSize(240, 430);
        QTest::newRow("120 dpi") << 1.25 << "M3" << QSize(775, 288) << QSize(300, 537);
        QTest::newRow("144 dpi") << 1.53 << "M3" << QSize(949, 352) << QSize(367, 657);
        QTest::newRow("144 dpi table-top") << 1.53 << "T2" << QSize(597, 352) << QSize(367, 657);
        QTest::newRow("empty model") << 1.0 << "" << QSize(620, 230) << QSize(240, 430);
    }
    void sizes()
    {
        FormFixture f;
        QFETCH(double, scale);
        QFETCH(QString, model);
        signInView(f, scale);
        QTEST(f.form->frameGeometry().size(), "signInView");
        f.form->link.linkState.robotModel = model;
        f.form->enableDriveView();
        QTEST(f.form->frameGeometry().size(), "driveView");
        f.form->disableDriveView();
        QTEST(f.form->frameGeometry().size(), "signInView");
    }

    void signInViewShowsTheList()
    {
        FormFixture f;
        signInView(f, 1.0);
        QCOMPARE(f.form->windowTitle(), QStringLiteral("QuorvelBot"));
        for (QWidget *w : std::initializer_list<QWidget *>{f.form->ListBox1, f.form->UserName, f.form->PassWord,
                                                           f.form->SignIn, f.form->addBotName, f.form->delBot,
                                                           f.form->helpButton, f.form->Image3, f.form->CheckBox1})
            QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
        for (QWidget *w : std::initializer_list<QWidget *>{f.form->Image1, f.form->Image4, f.form->Panel3,
                                                           f.form->adminOptionButton, f.form->Panel2,
                                                           f.form->wifipanel, f.form->connectionDelayLabel})
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
        QCOMPARE(f.form->Panel1->y(), 375);
        QCOMPARE(f.form->Panel1->width(), 430);
        QVERIFY(!f.form->keyPreview);
        saveArtefact(f.form.get(), QStringLiteral("sign-in-view"));
    }

    void driveView_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("padShown");
        QTest::addColumn<int>("disconnectLeft");
        QTest::addColumn<int>("cameraLeft");
        QTest::addColumn<int>("laserLeft");
        QTest::newRow("normal") << "M3" << "QuorvelBot Vindra" << true << 533 << 235 << 388;
        QTest::newRow("table-top") << "T2" << "QuorvelBot Lindmere Vindra" << false << 303 << 5 << 158;
    }
    void driveView()
    {
        FormFixture f;
        signInView(f, 1.0);
        QFETCH(QString, model);
        f.form->link.linkState.robotModel = model;
        f.form->link.linkState.headlightsPresent = true;
        f.form->link.Timer3->start();
        f.form->enableDriveView();

        QTEST(f.form->windowTitle(), "title");
        QTEST(f.form->Image1->isVisible(), "padShown");
        QTEST(f.form->Disconnect->x(), "disconnectLeft");
        QTEST(f.form->Panel3->x(), "cameraLeft");
        QTEST(f.form->laserButton->x(), "laserLeft");
        QCOMPARE(f.form->chargingButton->isVisible(), model == QLatin1String("M3"));
        QVERIFY(f.form->headLightButton->isVisible());
        for (QWidget *w : std::initializer_list<QWidget *>{f.form->ListBox1, f.form->SignIn, f.form->UserName,
                                                           f.form->Image3, f.form->helpButton})
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
        for (QWidget *w : std::initializer_list<QWidget *>{f.form->Panel3, f.form->adminOptionButton,
                                                           f.form->Disconnect, f.form->connectionDelayLabel,
                                                           f.form->tiltBar, f.form->Image2})
            QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
        QVERIFY(!f.form->Panel2->isVisible() && !f.form->wifipanel->isVisible());
        QCOMPARE(f.form->statusBarLabel->text(), QStringLiteral("Ready"));
        QCOMPARE(f.form->Panel1->y(), 172);
        QCOMPARE(f.form->Image4->pos(), QPoint(105, 75));
        QVERIFY(f.form->link.Timer1->isActive());
        QCOMPARE(f.form->link.Timer1->interval(), 250);
        QVERIFY(!f.form->link.Timer3->isActive());
        QVERIFY(f.form->link.linkState.sessionOpen && f.form->keyPreview);
        saveArtefact(f.form.get(), QStringLiteral("drive-view-") + model);

        // laid out once: a second switch changes nothing
        f.form->Disconnect->move(1, 1);
        f.form->enableDriveView();
        QCOMPARE(f.form->Disconnect->pos(), QPoint(1, 1));
    }

    void panFollowsTheLoginAnswer()
    {
        FormFixture f;
        signInView(f, 1.0);
        f.form->enableDriveView();
        QVERIFY(!f.form->panBar->isEnabled() && !f.form->PanLeft->isEnabled());
        QVERIFY(!f.form->headLightButton->isVisible());
        f.form->disableDriveView();
        f.form->link.linkState.panPresent = true;
        f.form->enableDriveView();
        QVERIFY(f.form->panBar->isEnabled() && f.form->PanRight->isEnabled());
    }

    void leavingTheDriveViewSwitchesAccessoriesOff()
    {
        FormFixture f;
        signInView(f, 1.0);
        f.form->enableDriveView();
        f.form->link.linkState.activePath = ControlPath::WebRTC; // the one path the view leaves set
        f.form->link.linkState.laserOn = f.form->link.linkState.remoteChargingOn = true;
        f.form->link.linkState.batteryPercent = 80;
        f.form->link.linkState.boardSerialNumber = QStringLiteral("B1");
        f.form->laserButton->setEnabled(true);
        f.form->disableDriveView();
        QCOMPARE(f.webRtc->written, (QStringList{"XL023456", "XQ023456"}));
        QVERIFY(!f.form->link.linkState.laserOn && !f.form->link.linkState.remoteChargingOn);
        QVERIFY(!f.form->laserButton->isEnabled());
        QVERIFY(!f.form->laserButton->font().bold());
        QCOMPARE(f.form->link.linkState.batteryPercent, -1);
        QCOMPARE(f.form->link.linkState.batteryState, -1);
        QCOMPARE(f.form->link.linkState.boardSerialNumber, QString());
        QVERIFY(!f.form->link.Timer1->isActive());
        QCOMPARE(f.form->tiltBar->value(), 45);

        f.webRtc->written.clear();
        f.form->disableDriveView(); // already in the sign-in view: nothing happens
        QVERIFY(f.webRtc->written.isEmpty());
    }

    void failedSwitchOffStillResetsTheButton()
    {
        FormFixture f;
        signInView(f, 1.0);
        f.form->enableDriveView();
        f.form->link.linkState.activePath = ControlPath::WebRTC;
        f.webRtc->failing = true;
        f.form->link.linkState.laserOn = true;
        QVERIFY_THROWS_EXCEPTION(LinkError, f.form->disableDriveView());
        QVERIFY(!f.form->link.linkState.laserOn);
    }

    void designTabOrder()
    {
        FormFixture f;
        const QList<QWidget *> order{f.form->ListBox1, f.form->addBotName, f.form->delBot, f.form->UserName,
                                     f.form->PassWord, f.form->SignIn,     f.form->CheckBox1, f.form->helpButton};
        for (int i = 0; i + 1 < order.size(); ++i) {
            QWidget *next = order[i]->nextInFocusChain();
            while (!order.contains(next)) // the list's own viewport and the like
                next = next->nextInFocusChain();
            QCOMPARE(next, order[i + 1]);
        }
    }
};

QTEST_MAIN(ViewsTest)
#include "ViewsTest.moc"
