#include "link/MessageKind.h"

#include <QTest>

Q_DECLARE_METATYPE(MessageKind)

class MessageKindTest : public QObject {
    Q_OBJECT
private slots:
    void orderOfTests_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<MessageKind>("kind");
        using K = MessageKind;
        QTest::newRow("ping bare") << "PING" << K::PingEcho;
        QTest::newRow("ping stamp") << "PING:1393675200045" << K::PingEcho;
        QTest::newRow("ping before drive alert") << "PINGX" << K::PingEcho;
        QTest::newRow("admin") << "AdminChannel:VALID,a,b,c" << K::AdminChannel;
        QTest::newRow("uperror") << "UPERROR" << K::UserPasswordError;
        QTest::newRow("fc1") << "FC1" << K::LowBatteryCallEnd;
        QTest::newRow("proximity") << "K6570224055" << K::Proximity;
        QTest::newRow("proximity alone") << "K" << K::Proximity;
        QTest::newRow("busy") << "BUSY" << K::Busy;
        QTest::newRow("busy with code") << "BUSY:3" << K::Busy;
        QTest::newRow("session end") << "Z" << K::SessionEnd;
        QTest::newRow("ZZ is nothing") << "ZZ" << K::Unknown;
        QTest::newRow("z lower") << "z" << K::Unknown;
        QTest::newRow("board serial") << "boardSerialNumber:A1" << K::BoardSerialNumber;
        QTest::newRow("board before battery") << "boardSerialNumber" << K::BoardSerialNumber;
        QTest::newRow("robot serial") << "robotSerialNumber:R9" << K::RobotSerialNumber;
        QTest::newRow("wifi radios") << "wifiNo:2" << K::WifiRadioCount;
        QTest::newRow("auth") << "AUTH:1:80:TRUE:T2" << K::LoginAnswer;
        QTest::newRow("password") << "PASS1" << K::PasswordAnswer;
        QTest::newRow("password alone") << "PASS" << K::PasswordAnswer;
        QTest::newRow("drive alert") << "PD0" << K::DriveAlert;
        QTest::newRow("battery") << "bd12,3.5,45" << K::Battery;
        QTest::newRow("b alone") << "b" << K::Unknown;
        QTest::newRow("B ignored") << "B42" << K::IgnoredB;
        QTest::newRow("B alone") << "B" << K::Unknown;
        QTest::newRow("busy lower is battery") << "busy" << K::Battery;
        QTest::newRow("trs") << "TRS" << K::Trs;
        QTest::newRow("trs longer") << "TRSX" << K::Unknown;
        QTest::newRow("call failed") << "CALLFAILED:1" << K::CallFailed;
        QTest::newRow("ackwifi") << "ACKWIFI" << K::WifiAck;
        QTest::newRow("ackwifi longer") << "ACKWIFI2" << K::Unknown;
        QTest::newRow("user list") << "#80%a" << K::UserList;
        QTest::newRow("ackuser") << "ACKUSER" << K::UserListAck;
        QTest::newRow("mismatch") << "CONTROLLERMISMATCH" << K::ControllerMismatch;
        QTest::newRow("wireless") << "WOfficeLAN:72" << K::Wireless;
        QTest::newRow("network scan") << "Enet1" << K::NetworkScan;
        QTest::newRow("head type") << "headType:ipad2" << K::HeadType;
        QTest::newRow("laser") << "laserPresent:1" << K::LaserPresent;
        QTest::newRow("connsuc") << "CONNSUC" << K::CloudConnected;
        QTest::newRow("conntry") << "CONNTRY" << K::CloudTrying;
        QTest::newRow("connend") << "CONNEND:42" << K::CloudEnded;
        QTest::newRow("C alone") << "C" << K::Unknown;
        QTest::newRow("empty") << "" << K::Unknown;
        QTest::newRow("leading blank") << " AUTH:1:2:3:4" << K::Unknown;
    }
    void orderOfTests()
    {
        QFETCH(QString, message);
        QFETCH(MessageKind, kind);
        QCOMPARE(classifyMessage(message), kind);
    }
};

QTEST_GUILESS_MAIN(MessageKindTest)
#include "MessageKindTest.moc"
