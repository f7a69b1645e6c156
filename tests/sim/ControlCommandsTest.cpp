#include "ControlChannel.h"
#include "ControlCommands.h"
#include "RobotFixture.h"

#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <QtMath>

class ControlCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void refusals_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("reply");
        QTest::newRow("send without a connection") << "send BUSY" << "error: no connection";
        QTest::newRow("send nothing") << "send" << "error: unknown command: send";
        QTest::newRow("say-z without a session") << "say-z" << "error: no controller signed in";
        QTest::newRow("scan without a session") << "scan" << "error: no controller signed in";
        QTest::newRow("battery above 100") << "battery 120" << "error: battery takes a percentage from 0 to 100";
        QTest::newRow("battery not a number") << "battery full" << "error: battery takes a percentage from 0 to 100";
        QTest::newRow("charger half") << "charger half" << "error: unknown command: charger half";
        QTest::newRow("unknown") << "dance" << "error: unknown command: dance";
    }
    void refusals()
    {
        QFETCH(QString, line);
        QFETCH(QString, reply);
        RobotFixture f;
        ControlCommands commands(f.protocol, f.robot);
        QCOMPARE(commands.execute(line), reply);
        QVERIFY(f.sent.isEmpty());
    }

    void scriptsTheRobot()
    {
        RobotFixture f;
        ControlCommands commands(f.protocol, f.robot);
        f.signIn();
        QCOMPARE(commands.execute(QStringLiteral("send CALLFAILED now")), QStringLiteral("ok"));
        QCOMPARE(commands.execute(QStringLiteral("scan")), QStringLiteral("ok"));
        QCOMPARE(commands.execute(QStringLiteral("say-z")), QStringLiteral("ok"));
        QCOMPARE(f.takeSent(), QStringList({"CALLFAILED now", "E:QuorvelLab,63:Office WLAN,49:Guest,28", "Z"}));
        QVERIFY(!f.protocol.inSession());

        f.robot.setHeadCharging(true);
        QCOMPARE(commands.execute(QStringLiteral("battery 20")), QStringLiteral("ok"));
        QCOMPARE(commands.execute(QStringLiteral("charger on")), QStringLiteral("ok"));
        QCOMPARE(f.robot.battery().percent(), 20);
        QVERIFY(f.robot.battery().onCharger());
        QVERIFY(!f.robot.headChargingOn());

        f.robot.body().place(Pose{2.5, 1.25, qDegreesToRadians(-90.0)});
        QCOMPARE(commands.execute(QStringLiteral("pose")), QStringLiteral("pose 2.500 1.250 -90.0"));

        QSignalSpy quit(&commands, &ControlCommands::quitRequested);
        QCOMPARE(commands.execute(QStringLiteral("quit")), QStringLiteral("ok"));
        QCOMPARE(quit.size(), 1);
    }

    void answersOnTheControlPort()
    {
        RobotFixture f;
        ControlCommands commands(f.protocol, f.robot);
        ControlChannel channel([&commands](const QString &line) { return commands.execute(line); });
        QVERIFY(channel.listen(0));

        QTcpSocket client;
        client.connectToHost(QHostAddress::LocalHost, channel.port());
        QVERIFY(client.waitForConnected(2000));
        client.write("pose\r\nbattery 55\n");
        QTRY_VERIFY(client.canReadLine());
        QCOMPARE(client.readLine(), QByteArray("pose 1.500 1.500 0.0\n"));
        QTRY_VERIFY(client.canReadLine());
        QCOMPARE(client.readLine(), QByteArray("ok\n"));
        QCOMPARE(f.robot.battery().percent(), 55);

        // A line that never ends is not kept.
        client.write(QByteArray(ControlChannel::longestLine + 10, 'x'));
        QTRY_COMPARE(client.state(), QAbstractSocket::UnconnectedState);
    }
};

QTEST_GUILESS_MAIN(ControlCommandsTest)
#include "ControlCommandsTest.moc"
