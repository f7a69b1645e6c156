#include "RobotFixture.h"
#include "RobotServer.h"
#include "WebSocketController.h"

#include <QTest>

class RobotServerTest : public QObject {
    Q_OBJECT
private slots:
    void signsInAndAnswersOverTheWire()
    {
        RobotFixture f;
        RobotServer server(f.protocol);
        QVERIFY2(server.listen(QHostAddress::LocalHost), qPrintable(server.errorString()));
        WebSocketController controller;
        QVERIFY(controller.open());

        controller.send(QStringLiteral("Uoperator:vindra:3.2:0:500"));
        QTRY_COMPARE(controller.received.size(), 9); // answer, five facts, three first reports
        QCOMPARE(controller.received.mid(0, 3),
                 QStringList({"AUTH:1:100:TRUE:M3-2AA3.71:78:1", "boardSerialNumber:VSB-SIM-0001",
                              "robotSerialNumber:VSR-SIM-0001"}));

        controller.received.clear();
        controller.send(QStringLiteral("PING:1393675200045"));
        controller.send(QStringLiteral("A"));
        QTRY_COMPARE(controller.received.size(), 2);
        QCOMPARE(controller.received,
                 QStringList({"PING:1393675200045", "#127.0.0.1%operator:vindra:1%guest:visitor:0"}));

        // Frames are handled in order, so the echo tells the drive command is in.
        controller.received.clear();
        controller.send(QStringLiteral("L199R199"));
        controller.send(QStringLiteral("PING:2"));
        QTRY_COMPARE(controller.received, QStringList{"PING:2"});
        f.protocol.advance(500);
        QVERIFY(f.robot.body().pose().x > 1.55);
    }

    void aSecondControllerIsBusyUntilTheFirstLeaves()
    {
        RobotFixture f;
        RobotServer server(f.protocol);
        QVERIFY(server.listen(QHostAddress::LocalHost));
        WebSocketController first;
        WebSocketController second;
        QVERIFY(first.open());
        QVERIFY(second.open());
        first.send(QStringLiteral("Uoperator:vindra:3.2:0:500"));
        QTRY_VERIFY(f.protocol.inSession());
        second.send(QStringLiteral("Uguest:visitor:3.2:0:500"));
        QTRY_COMPARE(second.received, QStringList{"BUSY"});

        first.socket.close();
        QTRY_VERIFY(!f.protocol.inSession());
        second.send(QStringLiteral("Uguest:visitor:3.2:0:500"));
        QTRY_COMPARE(second.received.value(1), QStringLiteral("AUTH:0:100:FALSE:M3-2AA3.71:78:1"));
    }

    void closesOnAnOversizedFrame()
    {
        RobotFixture f;
        RobotServer server(f.protocol);
        QVERIFY(server.listen(QHostAddress::LocalHost));
        WebSocketController controller;
        QVERIFY(controller.open());
        controller.send(QString(RobotServer::largestFrame + 1, u'L'));
        QTRY_COMPARE(controller.socket.state(), QAbstractSocket::UnconnectedState);
    }
};

QTEST_GUILESS_MAIN(RobotServerTest)
#include "RobotServerTest.moc"
