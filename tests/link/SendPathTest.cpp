#include "FormFixture.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class SendPathTest : public QObject {
    Q_OBJECT
private slots:
    void pathChoice_data()
    {
        QTest::addColumn<bool>("cloud");
        QTest::addColumn<bool>("socket");
        QTest::addColumn<bool>("webRtc");
        QTest::addColumn<QStringList>("onCloud");
        QTest::addColumn<QStringList>("onSocket");
        QTest::addColumn<QStringList>("onWebRtc");
        const QStringList none;
        QTest::newRow("no path") << false << false << false << none << none << none;
        QTest::newRow("cloud") << true << false << false << QStringList{"0BEEF:L000R000"} << none << none;
        QTest::newRow("cloud wins over socket")
            << true << true << false << QStringList{"0BEEF:L000R000"} << none << none;
        QTest::newRow("socket") << false << true << false << none << QStringList{"1393675200.045:L000R000"} << none;
        QTest::newRow("socket wins over webrtc")
            << false << true << true << none << QStringList{"1393675200.045:L000R000"} << none;
        QTest::newRow("webrtc unframed") << false << false << true << none << none << QStringList{"L000R000"};
    }
    void pathChoice()
    {
        QFETCH(bool, cloud);
        QFETCH(bool, socket);
        QFETCH(bool, webRtc);
        FormFixture f;
        f.fake.clock.now = QDateTime(QDate(2014, 3, 1), QTime(12, 0, 0, 45), Qt::UTC).toMSecsSinceEpoch();
        f.form->linkState.cloudSessionId = 48879;
        f.form->linkState.pathCloud = cloud;
        f.form->linkState.pathSocket = socket;
        f.form->linkState.pathWebRtc = webRtc;
        f.form->sendData(QStringLiteral("L000R000"), 0);
        QTEST(f.cloud->written, "onCloud");
        QTEST(f.socket->written, "onSocket");
        QTEST(f.webRtc->written, "onWebRtc");
    }

    void pingGoesOutOnWebRtcExactlyAsBuilt()
    {
        FormFixture f;
        f.form->linkState.pathWebRtc = true;
        f.form->sendData(QStringLiteral("PING:1393675200045"), 0);
        QCOMPARE(f.webRtc->written, QStringList{"PING:1393675200045"});
    }

    void closedPathsDropSilently()
    {
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        FormFixture f;
        f.form->settings.Logging = true;
        f.socket->ready = false;
        f.webRtc->ready = false;
        f.form->linkState.pathSocket = true;
        f.form->sendData(QStringLiteral("L000R000"), 0);
        f.form->linkState.pathSocket = false;
        f.form->linkState.pathWebRtc = true;
        f.form->sendData(QStringLiteral("L000R000"), 0);
        QVERIFY(f.sent().isEmpty());
        QVERIFY(!QFile::exists(f.form->logFilePath()));
    }

    void socketFailureIsLoggedNotRaised()
    {
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        FormFixture f;
        f.form->settings.Logging = true;
        f.socket->failing = true;
        f.form->linkState.pathSocket = true;
        f.form->sendData(QStringLiteral("L000R000"), 0);
        QFile log(f.form->logFilePath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().endsWith(" : connection lost\r\n"));
    }

    void failuresOfEachPath()
    {
        FormFixture f;
        f.cloud->failing = f.webRtc->failing = true;
        f.form->linkState.pathCloud = true;
        f.form->sendData(QStringLiteral("Z"), 0); // cloud: no trace
        f.form->linkState.pathCloud = false;
        f.form->linkState.pathWebRtc = true;
        QVERIFY_THROWS_EXCEPTION(LinkError, f.form->sendData(QStringLiteral("Z"), 0)); // WebRTC: the caller's
    }
};

QTEST_MAIN(SendPathTest)
#include "SendPathTest.moc"
