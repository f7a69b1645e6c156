// The built controller as a process on a desktop of its own.
#include "ControllerHome.h"
#include "FakeWebServer.h"

#include <QDebug>
#include <QProcess>
#include <QTest>

namespace {

const QByteArray robots = "#LastSelected:1\r\nSocket,Lab bench,127.0.0.1,Other,,,45:45:45:45:45:45\r\n"
                          "Auto,Hall,hallrobot,PolyCom,,,45:45:45:45:45:45\r\n";

void pressReturnIn(const Desktop &desktop, const QString &window)
{
    desktop.xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    desktop.xdotool({QStringLiteral("key"), QStringLiteral("Return")});
}

} // namespace

class StartupE2ETest : public QObject {
    Q_OBJECT
private slots:
    void startsOnceAndClosesCleanly()
    {
        Desktop desktop;
        QVERIFY(desktop.isUp());
        ControllerHome controller(desktop, robots);
        QProcess first;
        controller.start(first);
        const QString window = desktop.findWindow(QStringLiteral("QuorvelBot"));
        QVERIFY2(!window.isEmpty(), "no sign-in window");
        QCOMPARE(desktop.windowSize(window), QSize(240, 430));
        QTest::qWait(700); // past the delayed start-up step: no message at 96 dpi
        QVERIFY(desktop.findWindow(QStringLiteral("QuorvelBot_Vindra_Controller"), 0).isEmpty());
        QVERIFY(desktop.screenshot(artefact(QStringLiteral("e2e-sign-in-view")), window));

        // a second controller brings the first forward and ends
        QProcess second;
        controller.start(second);
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(desktop.focusedWindowTitle(), QStringLiteral("QuorvelBot"));
        QCOMPARE(first.state(), QProcess::Running);

        QVERIFY(desktop.closeWindow(window));
        QVERIFY(first.waitForFinished(10000));
        QCOMPARE(first.exitStatus(), QProcess::NormalExit);
        QCOMPARE(first.exitCode(), 0);
    }

    void outerSizeUnderAWindowManager()
    {
        // The frame is told only after the window is first shown; the sign-in
        // view is its outer size all the same.
        Desktop desktop;
        QVERIFY(desktop.isUp());
        QVERIFY2(desktop.startWindowManager(), "no window manager");
        ControllerHome controller(desktop, robots);
        QProcess process;
        controller.start(process);
        // a loaded machine and a window manager take their time
        const QString window = desktop.findWindow(QStringLiteral("QuorvelBot"), 20000);
        if (window.isEmpty()) { // rare on a loaded machine: keep what the desktop showed
            desktop.screenshot(artefact(QStringLiteral("e2e-no-framed-window")));
            qWarning() << "windows named QuorvelBot, mapped or not:"
                       << desktop.xdotool({QStringLiteral("search"), QStringLiteral("--name"), QStringLiteral("QuorvelBot")})
                       << "controller running:" << (process.state() == QProcess::Running);
        }
        QVERIFY(!window.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(desktop.windowSize(window) != desktop.outerSize(window), 5000); // framed
        QTRY_COMPARE_WITH_TIMEOUT(desktop.outerSize(window), QSize(240, 430), 5000);
        QVERIFY(desktop.screenshot(artefact(QStringLiteral("e2e-sign-in-view-framed"))));
        process.terminate();
        QVERIFY(process.waitForFinished(5000));
    }

    void closingWhileTheNameServerWaits()
    {
        Desktop desktop;
        QVERIFY(desktop.isUp());
        FakeWebServer nameServer;
        nameServer.answer = [](const HttpRequest &) { return std::optional<HttpAnswer>(); }; // never answers
        QVERIFY(nameServer.listen());
        ControllerHome controller(desktop, "#LastSelected:1\r\nSocket,Lab bench,lab-robot,Other,pilot,secret,"
                                           "45:45:45:45:45:45\r\n");
        QProcessEnvironment env;
        env.insert(QStringLiteral("QUORVELBOT_SERVER"), QString::fromLatin1(nameServer.address()));
        QProcess process;
        controller.start(process, env);
        const QString window = desktop.findWindow(QStringLiteral("QuorvelBot"));
        QVERIFY(!window.isEmpty());

        pressReturnIn(desktop, window); // the remembered credentials sign in
        QTRY_COMPARE_WITH_TIMEOUT(nameServer.requests.size(), 1, 5000);
        QVERIFY(desktop.closeWindow(window));
        // closed well before the query's 10 s limit, and no further step ran
        QVERIFY(process.waitForFinished(5000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(nameServer.requests.size(), 1);
    }

    void denseScreen()
    {
        Desktop desktop(144);
        QVERIFY(desktop.isUp());
        ControllerHome controller(desktop, robots);
        QProcess process;
        controller.start(process);
        const QString window = desktop.findWindow(QStringLiteral("QuorvelBot"));
        QVERIFY(!window.isEmpty());
        QCOMPARE(desktop.windowSize(window), QSize(367, 657));
        const QString message = desktop.findWindow(QStringLiteral("QuorvelBot_Vindra_Controller"));
        QVERIFY2(!message.isEmpty(), "no DPI message");
        QVERIFY(desktop.screenshot(artefact(QStringLiteral("e2e-dpi-message"))));
        pressReturnIn(desktop, message);
        QTRY_VERIFY_WITH_TIMEOUT(desktop.findWindow(QStringLiteral("QuorvelBot_Vindra_Controller"), 0).isEmpty(),
                                 5000);
        process.terminate(); // the desktop session ends
        QVERIFY(process.waitForFinished(5000));
        QCOMPARE(process.exitCode(), 0);
    }

    void missingSettingsEndTheStart()
    {
        Desktop desktop;
        QVERIFY(desktop.isUp());
        ControllerHome controller(desktop, robots, false);
        QProcess process;
        controller.start(process);
        const QString box = desktop.findWindow(QStringLiteral("Error"));
        QVERIFY2(!box.isEmpty(), "no error box");
        QVERIFY(desktop.screenshot(artefact(QStringLiteral("e2e-settings-missing"))));
        // There is no window yet to put it on: it stands in the middle of the
        // screen, moved up and left by the frame the toolkit allows for when no
        // window manager tells it (10 by 40 pixels).
        const QPoint offCentre = desktop.windowGeometry(box).center() - QRect(QPoint(), desktop.screenSize()).center();
        QVERIFY2(qAbs(offCentre.x()) <= 10 && qAbs(offCentre.y()) <= 40,
                 qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
        QVERIFY(desktop.findWindow(QStringLiteral("QuorvelBot"), 0).isEmpty());
        pressReturnIn(desktop, box);
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QVERIFY(process.exitCode() != 0);
    }
};

QTEST_GUILESS_MAIN(StartupE2ETest)
#include "StartupE2ETest.moc"
