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
        QTest::addColumn<std::optional<ControlPath>>("active");
        QTest::addColumn<QStringList>("onCloud");
        QTest::addColumn<QStringList>("onSocket");
        QTest::addColumn<QStringList>("onWebRtc");
        const QStringList none;
        QTest::newRow("no path") << std::optional<ControlPath>() << none << none << none;
        QTest::newRow("cloud") << std::optional(ControlPath::CloudService) << QStringList{"0BEEF:L000R000"} << none
                               << none;
        QTest::newRow("socket") << std::optional(ControlPath::DirectSocket) << none
                                << QStringList{"1393675200.045:L000R000"} << none;
        QTest::newRow("webrtc unframed") << std::optional(ControlPath::WebRTC) << none << none
                                         << QStringList{"L000R000"};
    }
    void pathChoice()
    {
        QFETCH(std::optional<ControlPath>, active);
        FormFixture f;
        f.fake.clock.now = QDateTime(QDate(2014, 3, 1), QTime(12, 0, 0, 45), Qt::UTC).toMSecsSinceEpoch();
        f.form->link.linkState.cloudSessionId = 48879;
        f.form->link.linkState.activePath = active;
        f.form->link.sendData(QStringLiteral("L000R000"), 0);
        QTEST(f.cloud->written, "onCloud");
        QTEST(f.socket->written, "onSocket");
        QTEST(f.webRtc->written, "onWebRtc");
    }

    void pingGoesOutOnWebRtcExactlyAsBuilt()
    {
        FormFixture f;
        f.form->link.linkState.activePath = ControlPath::WebRTC;
        f.form->link.sendData(QStringLiteral("PING:1393675200045"), 0);
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
        f.form->link.linkState.activePath = ControlPath::DirectSocket;
        f.form->link.sendData(QStringLiteral("L000R000"), 0);
        f.form->link.linkState.activePath = ControlPath::WebRTC;
        f.form->link.sendData(QStringLiteral("L000R000"), 0);
        QVERIFY(f.sent().isEmpty());
        QVERIFY(!QFile::exists(f.form->link.logFilePath()));
    }

    void socketFailureIsLoggedNotRaised()
    {
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        FormFixture f;
        f.form->settings.Logging = true;
        f.socket->failing = true;
        f.form->link.linkState.activePath = ControlPath::DirectSocket;
        f.form->link.sendData(QStringLiteral("L000R000"), 0);
        QFile log(f.form->link.logFilePath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().endsWith(" : connection lost\r\n"));
    }

    void failuresOfEachPath()
    {
        FormFixture f;
        f.cloud->failing = f.webRtc->failing = true;
        f.form->link.linkState.activePath = ControlPath::CloudService;
        f.form->link.sendData(QStringLiteral("Z"), 0); // cloud: no trace
        f.form->link.linkState.activePath = ControlPath::WebRTC;
        QVERIFY_THROWS_EXCEPTION(LinkError, f.form->link.sendData(QStringLiteral("Z"), 0)); // WebRTC: the caller's
    }
};

QTEST_MAIN(SendPathTest)
#include "SendPathTest.moc"
