// How a session starts and ends: the window's place, the restart every
// failure ends in, the End button and the goodbye when the window closes.
#include "FormFixture.h"
#include "LinkFixture.h"
#include "SignInFixture.h"

#include "link/Numbers.h"
#include "ui/ControllerApplication.h"
#include "paths/NameServer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWebSocket>
#include <QWebSocketServer>

namespace {

enum Path { None, Cloud, Socket, WebRtc };

void onPath(FormFixture &f, int path)
{
    static const std::optional<ControlPath> active[] = {std::nullopt, ControlPath::CloudService,
                                                        ControlPath::DirectSocket, ControlPath::WebRTC};
    f.form->link.linkState.activePath = active[path];
}

} // namespace

class SessionTest : public QObject {
    Q_OBJECT
private slots:
    void sessionStartPlacesTheWindow()
    {
        FormFixture f;
        f.form->driveViewShown = true;
        f.form->disableDriveView();
        f.form->show();
        f.form->displayScale = 1.25;
        f.form->link.callAnswered();
        const QRect screen = f.form->screen()->geometry();
        const QRect frame = f.form->frameGeometry();
        QCOMPARE(frame.left(), roundToEven(screen.width() / 2.0) - roundToEven(frame.width() / 2.0));
        QCOMPARE(frame.top(), screen.height() - frame.height() - 38); // 30 × 1.25 = 37.5, to even
        QVERIFY(f.form->link.linkState.inSession);
    }

    void endBringsTheSignInViewBackCentredAtItsSize()
    {
        FormFixture f;
        f.selectRobot();
        f.form->driveViewShown = true;
        f.form->disableDriveView();
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        const QSize signInSize = f.form->frameGeometry().size();
        f.form->link.callAnswered(); // the drive view, at the bottom of the screen
        f.form->DisconnectClick();
        QCOMPARE(f.form->frameGeometry().size(), signInSize);
        QCOMPARE(f.form->frameGeometry().size(), QSize(240, 430));
        const QPoint off = f.form->frameGeometry().center() - f.form->screen()->geometry().center();
        QVERIFY2(off.manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(off.x()).arg(off.y())));
    }

    void restartTakesThePathDown_data()
    {
        QTest::addColumn<int>("path");
        QTest::addColumn<QStringList>("journal");
        QTest::newRow("no path") << int(None) << QStringList{};
        QTest::newRow("cloud") << int(Cloud)
                               << QStringList{"shell " + RobotLink::companionStopper() + " [nil] in []"};
        QTest::newRow("socket") << int(Socket) << QStringList{};
        QTest::newRow("webrtc") << int(WebRtc) << QStringList{"end 0"};
    }
    void restartTakesThePathDown()
    {
        FormFixture f;
        bool robotSawTheClose = false; // outlives the robot's sockets, which tell it as they go
        // the robot's end of the window's WebSocket, open on every path
        QWebSocketServer robot(QStringLiteral("robot"), QWebSocketServer::NonSecureMode);
        QVERIFY(robot.listen(QHostAddress::LocalHost));
        connect(&robot, &QWebSocketServer::newConnection, [&] {
            QWebSocket *socket = robot.nextPendingConnection();
            socket->setParent(&robot);
            connect(socket, &QWebSocket::disconnected, [&] { robotSawTheClose = true; });
        });
        f.form->link.directSocket().open(QUrl(QStringLiteral("ws://127.0.0.1:%1/").arg(robot.serverPort())));
        QTRY_COMPARE(f.form->link.directSocket().state(), QAbstractSocket::ConnectedState);
        QFETCH(int, path);
        onPath(f, path);
        f.form->link.linkState.loginRequested = f.form->link.linkState.sessionOpen = true;
        f.form->SignIn->setEnabled(false);
        f.form->SignIn->setText(QStringLiteral("Signing in"));
        f.form->link.Timer3->start();
        f.form->link.restart();
        QTEST(f.fake.journal, "journal");
        const LinkState &s = f.form->link.linkState;
        QVERIFY(!s.pathCloud() && !s.pathSocket() && !s.pathWebRtc() && !s.loginRequested && !s.sessionOpen);
        QVERIFY(f.form->SignIn->isEnabled());
        QCOMPARE(f.form->SignIn->text(), QStringLiteral("Sign In"));
        QVERIFY(f.form->link.Timer3->isActive()); // the callers stop the watchdog
        // the WebRTC companion's server stays listening for the next session
        QCOMPARE(f.form->link.webSocketServer->isListening(), path == WebRtc);
        // only the socket path's restart closes the WebSocket, and the robot hears it
        if (path == Socket)
            QTRY_VERIFY(robotSawTheClose);
        else
            QTest::qWait(100);
        QCOMPARE(robotSawTheClose, path == Socket);
        QCOMPARE(f.form->link.directSocket().state() == QAbstractSocket::ConnectedState, path != Socket);
    }

    void theDirectSocketsGoodbyeLeavesBeforeThePause()
    {
        QWebSocketServer robot(QStringLiteral("robot"), QWebSocketServer::NonSecureMode);
        QVERIFY(robot.listen(QHostAddress::LocalHost));
        QStringList heard;
        connect(&robot, &QWebSocketServer::newConnection, [&] {
            QWebSocket *socket = robot.nextPendingConnection();
            socket->setParent(&robot);
            connect(socket, &QWebSocket::textMessageReceived, [&](const QString &text) { heard << text; });
        });
        LinkFixture f(true);
        f.selectRobot();
        f.link.linkState.activePath = ControlPath::DirectSocket;
        f.link.directSocket().open(QUrl(QStringLiteral("ws://127.0.0.1:%1/").arg(robot.serverPort())));
        QTRY_COMPARE(f.link.directSocket().state(), QAbstractSocket::ConnectedState);
        f.link.linkState.sessionOpen = f.link.linkState.inSession = true;
        f.link.leftWheelDemand = 40;
        qint64 unsentAtThePause = -1;
        f.fake.pause.onPause = [&] { unsentAtThePause = f.link.directSocket().bytesToWrite(); };
        f.link.endSession();
        QCOMPARE(unsentAtThePause, 0); // the pause holds the event loop: nothing more would leave
        QTRY_VERIFY(!heard.isEmpty() && heard.last().endsWith(QLatin1String(":Z")));
    }

    void endOnEachPath_data()
    {
        QTest::addColumn<int>("path");
        QTest::newRow("socket") << int(Socket);
        QTest::newRow("webrtc") << int(WebRtc);
        QTest::newRow("cloud") << int(Cloud);
    }
    void endOnEachPath()
    {
        FormFixture f;
        f.selectRobot();
        QFETCH(int, path);
        onPath(f, path);
        f.form->link.linkState.cloudSessionId = 0xBEEF;
        f.form->driveViewShown = true;
        f.form->link.linkState.inSession = f.form->link.linkState.panPresent = true;
        f.form->link.linkState.laserOn = f.form->link.linkState.remoteChargingOn = true;
        f.form->link.linkState.headlightLevel = 2;
        f.form->DisconnectClick();
        // the laser, head charging and headlights go off while the path is still up
        const QString prefix = path == Socket ? QStringLiteral("0.000:") : path == Cloud ? QStringLiteral("0BEEF:") : QString();
        QCOMPARE(f.sent(),
                 (QStringList{prefix + "XL023456", prefix + "XQ023456", prefix + "XH000000", prefix + "Z"}));
        QVERIFY(!f.form->link.linkState.laserOn && !f.form->link.linkState.remoteChargingOn);
        QCOMPARE(f.form->link.linkState.headlightLevel, 0);
        QVERIFY(!f.form->headLightButton->font().bold());
        QVERIFY(f.fake.journal.contains(QStringLiteral("pause 500")));
        QVERIFY(!f.form->link.linkState.inSession && !f.form->link.linkState.panPresent);
        QCOMPARE(f.form->statusBarLabel->text(), QStringLiteral("Ready"));
        QCOMPARE(f.form->windowTitle(), QStringLiteral("QuorvelBot"));
    }

    void hangingUpWithoutAClientIsLogged()
    {
        QTemporaryDir folder;
        QDir::setCurrent(folder.path()); // the log lies in the working folder
        FormFixture f;
        f.form->settings.Logging = true;
        f.fake.clock.now = 45296789;               // 12:34:56.789
        f.selectRobot(QStringLiteral("lab-head")); // no conferencing client was ever reached
        f.form->DisconnectClick();
        QCOMPARE(f.fake.journal, QStringList{"pause 500"}); // no key strokes
        QCOMPARE(f.form->statusBarLabel->text(), QStringLiteral("Ready"));
        QFile log(folder.filePath(QStringLiteral("log.txt")));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(log.readAll(), QByteArray("12:34:56.789 : Error in end call in disconnectclick\r\n"));
    }

    void closingSaysGoodbye_data()
    {
        QTest::addColumn<int>("path");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("cloud") << int(Cloud) << QStringList{"0BEEF:TERMINATE"};
        QTest::newRow("socket") << int(Socket) << QStringList{"0.000:Z"};
        QTest::newRow("webrtc") << int(WebRtc) << QStringList{};
        QTest::newRow("none") << int(None) << QStringList{};
    }
    void closingSaysGoodbye()
    {
        FormFixture f;
        QFETCH(int, path);
        onPath(f, path);
        f.form->link.linkState.cloudSessionId = 0xBEEF;
        f.form->show();
        QVERIFY(f.form->close());
        QTEST(f.sent(), "sent");
    }

    void closingWhileTheNameServerWaits_data()
    {
        QTest::addColumn<QByteArray>("unanswered");
        QTest::addColumn<int>("boxes");
        QTest::newRow("version query") << QByteArray("getRobVer=") << 0;
        QTest::newRow("address query") << QByteArray("getIP=") << 1; // after the A/V reminder
    }
    void closingWhileTheNameServerWaits()
    {
        SignInFixture s(QStringLiteral("Socket"), nullptr, nullptr, QStringLiteral("lab-robot"));
        QFETCH(QByteArray, unanswered);
        // had the sign-in gone on, an answered address query would end in a box
        s.nameServer.answer = [&](const HttpRequest &request) -> std::optional<HttpAnswer> {
            if (request.body.startsWith(unanswered))
                return std::nullopt;
            return HttpAnswer{200, request.body.startsWith("getRobVer=") ? "3.7" : "ERROR", {}};
        };
        s.form->show();
        bool closedAtOnce = true;
        QTimer::singleShot(200, s.form.get(), [&] { closedAtOnce = s.form->close(); });
        QElapsedTimer waited;
        waited.start();

        QTest::mouseClick(s.form->SignIn, Qt::LeftButton);
        QTRY_VERIFY(!s.form->isVisible());
        QVERIFY(!closedAtOnce);
        // the query was given up for the close, not at its answer limit
        QVERIFY(waited.elapsed() < NameServer::DefaultAnswerLimitMs);
        QVERIFY(!s.form->link.IdHTTP1->isWaiting());
        // and the sign-in went no further
        QVERIFY(s.nameServer.requests.last().body.startsWith(unanswered));
        QVERIFY(s.fake.processes.commandLines.isEmpty()); // no ping
        QTEST(int(s.fake.boxes.shown.size()), "boxes");
        QVERIFY(!s.form->link.linkState.pathSocket() && !s.form->link.linkState.loginRequested);
    }
};

int main(int argc, char *argv[])
{
    ControllerApplication app(argc, argv); // ends a handler the way the controller does
    SessionTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "SessionTest.moc"
