#include "LinkFixture.h"
#include "paths/CloudTransport.h"
#include "paths/TClientPusher.h"

#include <QDir>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {

// A stand-in for the cloud companion: collects what arrives on each connection.
struct CompanionListener {
    QTcpServer server;
    QList<QByteArray> received; // one entry per connection, complete once it closed

    bool listen() { return server.listen(QHostAddress::LocalHost, TClientPusher::CompanionPort); }
    CompanionListener()
    {
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket *socket = server.nextPendingConnection()) {
                const int slot = int(received.size());
                received.append(QByteArray());
                QObject::connect(socket, &QTcpSocket::readyRead, socket,
                                 [this, socket, slot] { received[slot] += socket->readAll(); });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
};

// The threads this process runs now.
int threadCount()
{
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

} // namespace

class CloudSenderTest : public QObject {
    Q_OBJECT
private slots:
    void cloudSendArrivesAsOneLine()
    {
        CompanionListener companion;
        QVERIFY(companion.listen());
        LinkFixture f(true);
        f.link.linkState.activePath = ControlPath::CloudService;
        f.link.linkState.cloudSessionId = 48879;
        f.link.sendData(QStringLiteral("L000R000"), 0);
        f.link.sendData(QString::fromUtf8("Up\u00e9lot:x:3.2:0:0"), 0);
        QTRY_COMPARE_WITH_TIMEOUT(companion.received.size(), 2, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(companion.received[0].endsWith("\n") && companion.received[1].endsWith("\n"), 5000);
        // two senders, two connections, in either order
        QList<QByteArray> lines = companion.received;
        std::sort(lines.begin(), lines.end());
        QCOMPARE(lines, (QList<QByteArray>{"0BEEF:L000R000\r\n", "0BEEF:Up?lot:x:3.2:0:0\r\n"}));
    }

    void nobodyListeningLeavesNoTrace()
    {
        {
            QTcpServer probe; // the port must be free for this case
            QVERIFY(probe.listen(QHostAddress::LocalHost, TClientPusher::CompanionPort));
        }
        const int threadsBefore = threadCount();
        CloudTransport transport;
        for (int i = 0; i < 20; ++i)
            transport.writeText(QStringLiteral("0BEEF:L000R000"));
        QVERIFY(transport.waitForSenders(5000));
        // every sender's thread has ended, while the transport is still in place
        QTRY_COMPARE_WITH_TIMEOUT(threadCount(), threadsBefore, 5000);
    }

    void senderThreadsEnd()
    {
        CompanionListener companion;
        QVERIFY(companion.listen());
        auto *transport = new CloudTransport;
        transport->writeText(QStringLiteral("00000:Z"));
        QTRY_COMPARE_WITH_TIMEOUT(companion.received.size(), 1, 5000);
        QVERIFY(transport->waitForSenders(5000));
        delete transport; // returns at once: nothing is left running
        QTRY_COMPARE_WITH_TIMEOUT(companion.received[0], QByteArray("00000:Z\r\n"), 5000);
    }
};

QTEST_GUILESS_MAIN(CloudSenderTest)
#include "CloudSenderTest.moc"
