#include "link/LinkError.h"
#include "link/ReportDecoding.h"

#include <QTest>
#include <QVariant>

class ReportDecodingTest : public QObject {
    Q_OBJECT
private slots:
    void batteryPictures_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("picture");
        const QList<std::pair<int, int>> rows{{100, 6}, {85, 6}, {84, 5}, {70, 5}, {69, 4}, {55, 4}, {54, 3},
                                              {40, 3},  {39, 2}, {25, 2}, {24, 1}, {10, 1}, {9, 0},  {-1, 0}};
        for (const auto &[percent, picture] : rows)
            QTest::addRow("%d %%", percent) << percent << picture;
    }
    void batteryPictures()
    {
        QFETCH(int, percent);
        QFETCH(int, picture);
        QCOMPARE(batteryPicture(percent), picture);
    }

    void wifiPictures_data()
    {
        QTest::addColumn<int>("strength");
        QTest::addColumn<int>("picture");
        const QList<std::pair<int, int>> rows{{120, 4}, {80, 4}, {79, 3}, {60, 3}, {59, 2}, {40, 2},
                                              {39, 1},  {20, 1}, {19, 0}, {0, 0},  {-30, 0}};
        for (const auto &[strength, picture] : rows)
            QTest::addRow("%d %%", strength) << strength << picture;
    }
    void wifiPictures()
    {
        QFETCH(int, strength);
        QFETCH(int, picture);
        QCOMPARE(wifiPicture(strength), picture);
    }

    void battery_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("tableTop");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("picture");
        QTest::addColumn<bool>("overlay");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<QVariant>("percent");
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("lowForRemoteCharging");
        const int onBattery = int(BatteryKind::OnBattery);
        QTest::newRow("on battery") << "bd12,3.5,45" << false << onBattery << 3 << false
                                    << "3.5 hours (45%) remaining" << QVariant(45) << 1 << false;
        QTest::newRow("on battery, table-top") << "bd12,3.5,45" << true << onBattery << 3 << false
                                               << "45% remaining" << QVariant(45) << 1 << false;
        QTest::newRow("empty") << "bd12,3.5,0" << false << onBattery << 0 << false << "0 hours (0%) remaining"
                               << QVariant(0) << 1 << false;
        QTest::newRow("1 %, low") << "bd12,0.1,1" << false << onBattery << 0 << false
                                  << "0.1 hours (1%) remaining" << QVariant(1) << 1 << true;
        QTest::newRow("25 %, low") << "bd12,3.5,25" << false << onBattery << 2 << false
                                   << "3.5 hours (25%) remaining" << QVariant(25) << 1 << true;
        QTest::newRow("26 %") << "bd12,3.5,26" << false << onBattery << 2 << false << "3.5 hours (26%) remaining"
                              << QVariant(26) << 1 << false;
        QTest::newRow("charging") << "bc45" << false << int(BatteryKind::Charging) << 3 << true
                                  << "Charging at 45 %" << QVariant(45) << 2 << false;
        QTest::newRow("charging below 0") << "bc-3" << false << int(BatteryKind::Charging) << 0 << true
                                          << "Charging at 0 %" << QVariant(0) << 2 << false;
        QTest::newRow("full") << "be" << false << int(BatteryKind::Full) << 6 << true << "Battery fully charged"
                              << QVariant(100) << 0 << false;
        QTest::newRow("absent") << "bx" << false << int(BatteryKind::Absent) << -1 << false
                                << "No Battery Present" << QVariant(-1) << -1 << false;
        QTest::newRow("unknown kind") << "bz" << false << int(BatteryKind::Unknown) << -1 << false << QString()
                                      << QVariant() << -1 << false;
    }
    void battery()
    {
        QFETCH(QString, message);
        QFETCH(bool, tableTop);
        QFETCH(int, kind);
        QFETCH(int, picture);
        QFETCH(bool, overlay);
        QFETCH(QString, tooltip);
        QFETCH(QVariant, percent);
        QFETCH(int, state);
        QFETCH(bool, lowForRemoteCharging);
        const BatteryReport report = decodeBatteryReport(message, tableTop);
        QCOMPARE(int(report.kind), kind);
        QCOMPARE(report.levelPicture, picture);
        QCOMPARE(report.chargingOverlay, overlay);
        QCOMPARE(report.tooltip, tooltip);
        QCOMPARE(report.percent ? QVariant(*report.percent) : QVariant(), percent);
        QCOMPARE(report.state, state);
        QCOMPARE(report.lowForRemoteCharging, lowForRemoteCharging);
    }

    void batteryThatDoesNotRead_data()
    {
        QTest::addColumn<QString>("message");
        QTest::newRow("no commas") << "bd45";
        QTest::newRow("percentage not a number") << "bd12,3.5,x";
        QTest::newRow("percentage missing") << "bd12,3.5,";
        QTest::newRow("charging without a number") << "bc";
        QTest::newRow("charging, not a number") << "bcfull";
    }
    void batteryThatDoesNotRead()
    {
        QFETCH(QString, message);
        QVERIFY_THROWS_EXCEPTION(LinkError, decodeBatteryReport(message, false));
    }

    void wireless_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("network");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<int>("picture");
        QTest::newRow("weak") << "WHome:19" << "Home" << "Connected to Home (19%)" << 0;
        QTest::newRow("blanks around the number") << "WHome: 80" << "Home" << "Connected to Home ( 80%)" << 4;
        QTest::newRow("second colon stays in the strength") << "WLab:7:2" << "Lab" << "Connected to Lab (7:2%)" << -1;
    }
    void wireless()
    {
        QFETCH(QString, message);
        QFETCH(QString, network);
        QFETCH(QString, tooltip);
        QFETCH(int, picture);
        const WirelessReport report = decodeWirelessReport(message);
        QVERIFY(!report.ethernet);
        QCOMPARE(report.network, network);
        QCOMPARE(report.tooltip, tooltip);
        if (picture < 0)
            QVERIFY_THROWS_EXCEPTION(LinkError, report.strength());
        else
            QCOMPARE(wifiPicture(report.strength()), picture);
    }

    void wirelessOnACable()
    {
        const WirelessReport report = decodeWirelessReport(QStringLiteral("W~eth~"));
        QVERIFY(report.ethernet);
        QCOMPARE(report.tooltip, QStringLiteral("Connected to Ethernet"));
    }

    void wirelessWithoutColon()
    {
        // The tooltip and the empty network name are there before the
        // strength fails to read.
        const WirelessReport report = decodeWirelessReport(QStringLiteral("WHome"));
        QCOMPARE(report.network, QString());
        QCOMPARE(report.tooltip, QStringLiteral("Connected to  (WHome%)"));
        QVERIFY_THROWS_EXCEPTION(LinkError, report.strength());
    }

    void proximity_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QList<int>>("readings");
        QTest::addColumn<bool>("cliff");
        QTest::newRow("all four") << "K6570224055" << QList<int>{60, 65, 17, 35} << true;
        QTest::newRow("two short") << "K0530" << QList<int>{0, 25, 0, 0} << false;
        QTest::newRow("00 slice") << "K5000" << QList<int>{45, -5, 0, 0} << false;
        QTest::newRow("just over 50") << "K56" << QList<int>{51, 0, 0, 0} << true;
        QTest::newRow("one-character slice") << "K655" << QList<int>{60, 0, 0, 0} << true;
    }
    void proximity()
    {
        QFETCH(QString, message);
        QFETCH(QList<int>, readings);
        QFETCH(bool, cliff);
        for (int sensor = 0; sensor < 4; ++sensor)
            QCOMPARE(proximityReading(message, sensor), readings[sensor]);
        QCOMPARE(cliffAhead(readings[0]), cliff);
    }

    void proximityThatDoesNotRead()
    {
        const QString message = QStringLiteral("K65x01020");
        QCOMPARE(proximityReading(message, 0), 60);
        QVERIFY_THROWS_EXCEPTION(LinkError, proximityReading(message, 1));
    }

    void proximityBars_data()
    {
        QTest::addColumn<int>("reading");
        QTest::addColumn<bool>("redBefore");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("redAfter");
        QTest::addColumn<int>("kept");
        QTest::newRow("65 clamped to 60, turns white") << 65 << true << 0 << false << 60;
        QTest::newRow("35 turns white, 18.75 rounds up") << 35 << true << 19 << false << 35;
        QTest::newRow("25 turns red") << 25 << false << 26 << true << 25;
        QTest::newRow("0 is nearest") << 0 << false << 45 << true << 0;
        QTest::newRow("negative empties, stays red") << -5 << true << 0 << true << -5;
        QTest::newRow("negative empties, stays white") << -5 << false << 0 << false << -5;
        QTest::newRow("30 stays red, 22.5 to even") << 30 << true << 22 << true << 30;
        QTest::newRow("30 stays white") << 30 << false << 22 << false << 30;
        QTest::newRow("31 turns white") << 31 << true << 22 << false << 31;
        QTest::newRow("29 turns red") << 29 << false << 23 << true << 29;
    }
    void proximityBars()
    {
        QFETCH(int, reading);
        QFETCH(bool, redBefore);
        QFETCH(int, height);
        QFETCH(bool, redAfter);
        QFETCH(int, kept);
        const ProximityBar bar = proximityBar(reading, redBefore ? BarColour::Red : BarColour::White);
        QCOMPARE(bar.height, height);
        QCOMPARE(bar.colour == BarColour::Red, redAfter);
        QCOMPARE(bar.reading, kept);
    }
};

QTEST_GUILESS_MAIN(ReportDecodingTest)
#include "ReportDecodingTest.moc"
