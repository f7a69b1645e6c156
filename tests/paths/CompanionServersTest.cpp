// The controller's two servers for the companions, the TCP server on port
// 6000 and the WebSocket server on port 9002, met by peers of the test's own:
// what they answer, whom they serve, and what they withstand.
#include "SignInFixture.h"

#include "link/Framing.h"
#include "paths/CompanionLineServer.h"
#include "ui/ControllerApplication.h"
#include "paths/TClientPusher.h"

#include <QLabel>
#include <QNetworkInterface>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QWebSocket>
#include <QWebSocketServer>
#include <memory>
#include <vector>

namespace {

const QString PortMessage = QStringLiteral("Could not open necessary port for communication");
const QString NameAnswer = QStringLiteral("SetName:simbot");
const QString Connecting = QStringLiteral("Connecting to QCS");
const QByteArray EndedText = "Connection to QuorvelBot Communications Service failed/ended with Error Code ";

// A companion's connection to the controller's WebSocket server.
struct CompanionSocket {
    CompanionSocket()
    {
        QObject::connect(&socket, &QWebSocket::textMessageReceived, [this](const QString &text) { received << text; });
    }
    bool open()
    {
        socket.open(QUrl(QStringLiteral("ws://127.0.0.1:9002/")));
        return QTest::qWaitFor([this] { return socket.state() == QAbstractSocket::ConnectedState; }, 5000);
    }
    void send(const QString &text) { socket.sendTextMessage(text); }
    QWebSocket socket;
    QStringList received;
};

// A companion's connection to the controller's TCP server.
struct LineSocket {
    bool open()
    {
        socket.connectToHost(QHostAddress::LocalHost, CompanionLineServer::Port);
        return socket.waitForConnected(5000);
    }
    void send(const QByteArray &line) { socket.write(line + "\r\n"); }
    bool isOpen() const { return socket.state() == QAbstractSocket::ConnectedState; }
    QTcpSocket socket;
};

// The cloud companion's port 8817: every line that arrives.
struct CloudInbox {
    CloudInbox()
    {
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket *socket = server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    while (socket->canReadLine())
                        lines << QString::fromLatin1(socket->readLine()).trimmed();
                });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    bool listen() { return server.listen(QHostAddress::LocalHost, TClientPusher::CompanionPort); }
    bool waitForLineStarting(const QString &start)
    {
        return QTest::qWaitFor(
            [&] {
                return std::any_of(lines.begin(), lines.end(), [&](const QString &l) { return l.startsWith(start); });
            },
            5000);
    }
    QTcpServer server;
    QStringList lines;
};

bool boxShown(const SignInFixture &desk, const QString &text)
{
    return QTest::qWaitFor([&] { return desk.boxTexts().contains(text); }, 5000);
}

} // namespace

class CompanionServersTest : public QObject {
    Q_OBJECT
private slots:
    void listenOnLoopbackOnly()
    {
        SignInFixture desk(QStringLiteral("webRTC"));
        desk.form->SignInClick();
        desk.form->link.loginUsingQCS(QLatin1String(SignInFixture::Description));
        QCOMPARE(desk.form->link.webSocketServer->serverAddress(), QHostAddress(QHostAddress::LocalHost));
        QCOMPARE(desk.form->link.IdTCPServer1->serverAddress(), QHostAddress(QHostAddress::LocalHost));
        // this machine's other addresses find nobody listening on either port
        for (const QHostAddress &address : QNetworkInterface::allAddresses()) {
            if (address.isLoopback() || address.isLinkLocal())
                continue;
            for (const quint16 port : {CompanionLineServer::Port, quint16(9002)}) {
                QTcpSocket socket;
                socket.connectToHost(address, port);
                QVERIFY2(!socket.waitForConnected(2000), qPrintable(address.toString()));
                QCOMPARE(socket.error(), QAbstractSocket::ConnectionRefusedError);
            }
        }
    }

    void cloudPortTaken()
    {
        QTcpServer otherProgram;
        QVERIFY(otherProgram.listen(QHostAddress::LocalHost, CompanionLineServer::Port));
        SignInFixture desk(QStringLiteral("QCloud"));
        QTest::mouseClick(desk.form->SignIn, Qt::LeftButton);
        QCOMPARE(desk.boxTexts().last(), PortMessage);
        QVERIFY(desk.form->SignIn->isEnabled());
        QVERIFY(!desk.form->link.linkState.pathCloud() && !desk.form->link.linkState.loginRequested);
        QVERIFY(desk.fake.journal.filter(QStringLiteral("shell")).isEmpty());
    }

    void webRtcPortTaken()
    {
        QTcpServer otherProgram;
        QVERIFY(otherProgram.listen(QHostAddress::LocalHost, 9002));
        SignInFixture desk(QStringLiteral("webRTC"));
        // the error ends the opening, and the application discards it
        QMetaObject::invokeMethod(desk.form.get(), &TForm2::SignInClick, Qt::QueuedConnection);
        QCoreApplication::processEvents();
        QVERIFY(desk.form->link.linkState.pathWebRtc());
        QVERIFY(!desk.form->link.linkState.loginRequested);
        QVERIFY(!desk.form->link.Timer3->isActive());
        QVERIFY(!desk.form->SignIn->isEnabled());
        QVERIFY(desk.fake.journal.filter(QStringLiteral("shell")).isEmpty());
    }

    void companionMessages_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("answers"); // "login" stands for the login message
        QTest::addColumn<bool>("dispatched");
        QTest::newRow("name request") << "NW:GetName" << QStringList{NameAnswer} << false;
        QTest::newRow("channel open") << "NW:PEERENDCONNECTED" << QStringList{"login"} << false;
        QTest::newRow("NWX") << "NWX" << QStringList() << false;
        QTest::newRow("other NW: word") << "NW:Hello" << QStringList() << false;
        QTest::newRow("lower case is the robot's") << "nw:GetName" << QStringList() << true;
    }
    void companionMessages()
    {
        SignInFixture desk(QStringLiteral("webRTC"));
        desk.form->SignInClick();
        CompanionSocket companion;
        QVERIFY(companion.open());
        // a running command time-out starts again on every text the dispatcher sees
        desk.form->link.commandTimeOutTimer->start();
        QTest::qWait(100);
        const int remainingBefore = desk.form->link.commandTimeOutTimer->remainingTime();

        QFETCH(QString, text);
        companion.send(text);
        companion.send(QStringLiteral("NW:GetName")); // answered once the text before it was handled
        QFETCH(QStringList, answers);
        QTRY_VERIFY(companion.received.size() > answers.size() && companion.received.last() == NameAnswer);
        companion.received.removeLast();
        answers.replaceInStrings(QStringLiteral("login"), desk.form->link.getLoginString(desk.form->link.linkState.loginType));
        QCOMPARE(companion.received, answers);
        QFETCH(bool, dispatched);
        QCOMPARE(desk.form->link.commandTimeOutTimer->remainingTime() > remainingBefore, dispatched);
    }

    void nameRequestOutsideWebRtcSignIn_data()
    {
        QTest::addColumn<bool>("cloudSignIn");
        QTest::newRow("after the session restart") << false;
        QTest::newRow("during a cloud sign-in") << true;
    }
    void nameRequestOutsideWebRtcSignIn()
    {
        SignInFixture desk(QStringLiteral("webRTC"));
        desk.form->SignInClick();
        desk.form->link.restart();
        QFETCH(bool, cloudSignIn);
        if (cloudSignIn)
            desk.form->link.loginUsingQCS(QLatin1String(SignInFixture::Description));
        CompanionSocket companion;
        QVERIFY(companion.open()); // the server keeps listening
        companion.send(QStringLiteral("NW:GetName"));
        QTest::qWait(200);
        QVERIFY(companion.received.isEmpty());
    }

    void onlyTheFirstCompanionConnectionIsAnswered()
    {
        SignInFixture desk(QStringLiteral("webRTC"));
        desk.form->SignInClick();
        CompanionSocket first, second;
        QVERIFY(first.open());
        QVERIFY(second.open());
        second.send(QStringLiteral("NW:GetName"));
        QTRY_COMPARE(first.received, QStringList{NameAnswer});
        second.send(QStringLiteral("NW:PEERENDCONNECTED"));
        QTRY_COMPARE(first.received.size(), 2);
        desk.form->link.sendData(QStringLiteral("L000R000"), 0);
        QTRY_COMPARE(first.received.last(), QStringLiteral("L000R000"));
        QVERIFY(second.received.isEmpty());
    }

    void cloudSignInsDrawFreshSessionNumbers()
    {
        CloudInbox companionInbox;
        QVERIFY(companionInbox.listen());
        SignInFixture desk(QStringLiteral("QCloud"));
        desk.form->SignInClick();
        const int firstSession = desk.form->link.linkState.cloudSessionId;
        LineSocket companion;
        QVERIFY(companion.open());
        companion.send("CONNSUC");
        QVERIFY(companionInbox.waitForLineStarting(cloudFrame(firstSession, QStringLiteral("U"))));

        desk.form->link.restart();
        desk.form->SignInClick();
        const int secondSession = desk.form->link.linkState.cloudSessionId;
        QVERIFY(secondSession != firstSession);
        QVERIFY(!desk.boxTexts().contains(PortMessage));
        // the connection made before the second sign-in is still served
        companion.send("CONNSUC");
        QVERIFY(companionInbox.waitForLineStarting(cloudFrame(secondSession, QStringLiteral("U"))));
    }

    void windowGoesWithACompanionConnected()
    {
        auto desk = std::make_unique<SignInFixture>(QStringLiteral("QCloud"));
        desk->form->SignInClick();
        LineSocket companion;
        QVERIFY(companion.open());
        companion.send("CONNTRY");
        QTRY_COMPARE(desk->form->statusBarLabel->text(), Connecting);
        desk.reset();
        QTRY_VERIFY(!companion.isOpen());
    }

    void overlongLine_data()
    {
        QTest::addColumn<int>("length");
        QTest::newRow("16384 characters") << 16384;
        QTest::newRow("16385 characters") << 16385;
    }
    void overlongLine()
    {
        SignInFixture desk(QStringLiteral("QCloud"));
        desk.form->SignInClick();
        LineSocket longLines, companion;
        QVERIFY(longLines.open());
        QVERIFY(companion.open());
        QFETCH(int, length);
        const bool withinLimit = length <= CompanionLineServer::LineLimit;
        // the trailing blanks are trimmed off a line that is read
        longLines.send("CONNTRY" + QByteArray(length - 7, ' '));
        if (withinLimit)
            QTRY_COMPARE(desk.form->statusBarLabel->text(), Connecting);
        else
            QTRY_VERIFY(!longLines.isOpen());
        companion.send("CONNEND:7");
        QVERIFY(boxShown(desk, QString::fromLatin1(EndedText + "7")));
        QCOMPARE(longLines.isOpen(), withinLimit);
        QCOMPARE(desk.form->statusBarLabel->text() == Connecting, withinLimit);
    }

    void floodOfConnections_data()
    {
        QTest::addColumn<bool>("openConnection");
        QTest::newRow("the companion's open connection") << true;
        QTest::newRow("a new connection per line") << false;
    }
    void floodOfConnections()
    {
        SignInFixture desk(QStringLiteral("QCloud"));
        desk.form->SignInClick();
        LineSocket companion;
        QVERIFY(companion.open());
        companion.send("CONNTRY");
        QTRY_COMPARE(desk.form->statusBarLabel->text(), Connecting);
        QFETCH(bool, openConnection);
        if (!openConnection)
            companion.socket.disconnectFromHost();

        constexpr int FloodSize = 200;
        constexpr int Batch = 25; // within the server's backlog
        // the counters outlive the sockets, whose last signals they take
        int connected = 0, dropped = 0;
        std::vector<std::unique_ptr<QTcpSocket>> flood;
        while (flood.size() < FloodSize) {
            for (int i = 0; i < Batch; ++i) {
                auto &socket = flood.emplace_back(std::make_unique<QTcpSocket>());
                connect(socket.get(), &QTcpSocket::connected, [&connected] { ++connected; });
                connect(socket.get(), &QTcpSocket::disconnected, [&dropped] { ++dropped; });
                socket->connectToHost(QHostAddress::LocalHost, CompanionLineServer::Port);
            }
            QTRY_COMPARE(connected, int(flood.size()));
        }
        // the server has taken them all once it has let go of the surplus
        QTRY_VERIFY(dropped >= FloodSize - CompanionLineServer::ConnectionLimit);

        LineSocket nextLine;
        LineSocket &line = openConnection ? companion : nextLine;
        if (!openConnection)
            QVERIFY(nextLine.open());
        line.send("CONNEND:7");
        QVERIFY(boxShown(desk, QString::fromLatin1(EndedText + "7")));
    }
};

int main(int argc, char *argv[])
{
    ControllerApplication app(argc, argv); // discards the errors no handler caught, as the controller's does
    CompanionServersTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "CompanionServersTest.moc"
