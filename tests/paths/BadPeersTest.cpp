// Robots and companions that break the protocol or flood the controller:
// each loses its own connection at most, with a word on the status line;
// the rest of the controller goes on.
#include "LinkFixture.h"
#include "link/RobotTransport.h"
#include "paths/WebRtcServerTransport.h"

#include <QCryptographicHash>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QWebSocket>

namespace {

// A robot on port 9000 that answers the WebSocket handshake and then writes
// whatever frames the test gives, byte for byte.
struct RawRobot {
    QTcpServer server;
    QTcpSocket *peer = nullptr;
    QByteArray request;
    bool upgraded = false;

    bool listen()
    {
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            peer = server.nextPendingConnection();
            QObject::connect(peer, &QTcpSocket::readyRead, [this] { answerHandshake(); });
        });
        return server.listen(QHostAddress::LocalHost, 9000);
    }
    void answerHandshake()
    {
        request += peer->readAll();
        if (upgraded || !request.contains("\r\n\r\n"))
            return;
        const int at = request.indexOf("Sec-WebSocket-Key:");
        const QByteArray key = request.mid(at + 18, request.indexOf("\r\n", at) - at - 18).trimmed();
        const QByteArray accept =
            QCryptographicHash::hash(key + "258EAFA5-E914-47DA-95CA-C5AB0DC85B11", QCryptographicHash::Sha1).toBase64();
        peer->write("HTTP/1.1 101 Switching Protocols\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                    "Sec-WebSocket-Accept: " +
                    accept + "\r\n\r\n");
        upgraded = true;
    }
    // One unmasked frame, as a server sends it.
    void sendFrame(quint8 opcode, const QByteArray &payload)
    {
        QByteArray frame(1, char(0x80 | opcode));
        if (payload.size() < 126) {
            frame += char(payload.size());
        } else if (payload.size() < 65536) {
            frame += char(126);
            frame += char(payload.size() >> 8);
            frame += char(payload.size() & 0xff);
        } else {
            frame += char(127);
            for (int shift = 56; shift >= 0; shift -= 8)
                frame += char((quint64(payload.size()) >> shift) & 0xff);
        }
        peer->write(frame + payload);
    }
};

} // namespace

class BadPeersTest : public QObject {
    Q_OBJECT
private slots:
    void robotBreakingTheProtocol_data()
    {
        QTest::addColumn<int>("opcode");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<bool>("connectionKept");
        QTest::newRow("binary frame") << 0x2 << QByteArray("\x01\x02\x03") << true;
        QTest::newRow("text that is not UTF-8") << 0x1 << QByteArray("B\xff\xfe") << false;
        QTest::newRow("16 MB") << 0x1 << QByteArray(16 << 20, 'x') << false;
        QTest::newRow("just over the limit") << 0x1 << QByteArray(int(LargestRobotMessage) + 1, 'x') << false;
    }
    void robotBreakingTheProtocol()
    {
        RawRobot robot;
        QVERIFY(robot.listen());
        LinkFixture f(true);
        f.link.linkState.activePath = ControlPath::DirectSocket;
        f.link.linkState.loginRequested = true;
        f.link.linkState.sessionOpen = true;
        f.link.directSocket().open(QUrl(QStringLiteral("ws://127.0.0.1:9000/")));
        QTRY_COMPARE(f.link.directSocket().state(), QAbstractSocket::ConnectedState);

        QFETCH(int, opcode);
        QFETCH(QByteArray, payload);
        robot.sendFrame(quint8(opcode), payload);
        robot.sendFrame(0x1, "robotSerialNumber:R1"); // what a sound robot says next
        QFETCH(bool, connectionKept);
        if (connectionKept) {
            QTRY_COMPARE(f.link.linkState.robotSerialNumber, QStringLiteral("R1"));
            QCOMPARE(f.link.directSocket().state(), QAbstractSocket::ConnectedState);
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(f.link.directSocket().state(), QAbstractSocket::UnconnectedState, 10000);
            QVERIFY2(f.link.statusLine.text().startsWith(QLatin1String("Connection to the robot closed")),
                     qPrintable(f.link.statusLine.text()));
            QVERIFY(f.link.linkState.robotSerialNumber.isEmpty());
        }
    }

    void companionFloodAndOversize()
    {
        LinkFixture f(true);
        f.link.linkState.activePath = ControlPath::WebRTC;
        f.link.linkState.loginRequested = true;
        QVERIFY(f.link.webRtcServer->listen());
        QWebSocket companion;
        companion.open(QUrl(QStringLiteral("ws://127.0.0.1:9002/")));
        QTRY_COMPARE(companion.state(), QAbstractSocket::ConnectedState);

        // a flood of connections beyond the limit is refused
        std::vector<std::unique_ptr<QWebSocket>> flood;
        for (int i = 0; i < 3 * WebRtcServerTransport::ConnectionLimit; ++i) {
            flood.push_back(std::make_unique<QWebSocket>());
            flood.back()->open(QUrl(QStringLiteral("ws://127.0.0.1:9002/")));
        }
        const auto connected = [&flood] {
            return std::count_if(flood.begin(), flood.end(), [](const std::unique_ptr<QWebSocket> &socket) {
                return socket->state() == QAbstractSocket::ConnectedState;
            });
        };
        QTRY_COMPARE(int(connected()), WebRtcServerTransport::ConnectionLimit - 1);
        QTest::qWait(200);
        QCOMPARE(int(connected()), WebRtcServerTransport::ConnectionLimit - 1);

        // an oversized message ends its own connection only
        flood.front()->sendTextMessage(QString(int(LargestRobotMessage) + 1, u'x'));
        QTRY_COMPARE_WITH_TIMEOUT(flood.front()->state(), QAbstractSocket::UnconnectedState, 10000);
        companion.sendTextMessage(QStringLiteral("robotSerialNumber:R2"));
        QTRY_COMPARE(f.link.linkState.robotSerialNumber, QStringLiteral("R2"));
        QCOMPARE(companion.state(), QAbstractSocket::ConnectedState);
    }
};

QTEST_GUILESS_MAIN(BadPeersTest)
#include "BadPeersTest.moc"
