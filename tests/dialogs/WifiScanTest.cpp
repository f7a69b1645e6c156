#include "dialogs/WifiScan.h"

#include <QTest>

namespace {

// name "=" strength for each row, "*" marking the current network
QStringList rowsOf(const WifiScan &scan)
{
    QStringList rows;
    for (const WifiRow &row : scan.rows)
        rows << (row.current ? QStringLiteral("*") : QString()) + row.name + u'=' + row.strengthText;
    return rows;
}

const QString OfficeReport = QStringLiteral("E:Office~WLAN,63:Guest,28");

} // namespace

class WifiScanTest : public QObject {
    Q_OBJECT
private slots:
    void rows_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("lastQuality");
        QTest::newRow("two networks") << OfficeReport << "Office WLAN" << QStringList{"*Office WLAN=90% ", "Guest=40% "}
                                      << "28";
        QTest::newRow("current trimmed") << OfficeReport << " Guest " << QStringList{"Office WLAN=90% ", "*Guest=40% "}
                                         << "28";
        QTest::newRow("current case-sensitive")
            << OfficeReport << "guest" << QStringList{"Office WLAN=90% ", "Guest=40% "} << "28";
        QTest::newRow("full and beyond") << "E:Lab,70:Hall,80:Dock,49"
                                         << "" << QStringList{"Lab=100% ", "Hall=114% ", "Dock=70% "} << "49";
        QTest::newRow("no networks") << "E"
                                     << "" << QStringList{} << "";
        QTest::newRow("quality no number") << "E:Lab,strong:Hall,7"
                                           << "" << QStringList{"Lab=", "Hall=10% "} << "7";
        QTest::newRow("first eight of nine")
            << "E:n1,7:n2,7:n3,7:n4,7:n5,7:n6,7:n7,7:n8,14:n9,21"
            << "" << QStringList{"n1=10% ", "n2=10% ", "n3=10% ", "n4=10% ", "n5=10% ", "n6=10% ", "n7=10% ", "n8=20% "}
            << "14";
    }
    void rows()
    {
        QFETCH(QString, report);
        QFETCH(QString, current);
        QFETCH(QStringList, rows);
        QFETCH(QString, lastQuality);
        const WifiScan scan = decodeWifiScan(report, current);
        QCOMPARE(rowsOf(scan), rows);
        QCOMPARE(scan.lastQualityText, lastQuality);
    }

    void choice_data()
    {
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QString>("problem");
        QTest::newRow("another network") << 1 << "";
        QTest::newRow("the one in use") << 0
                                        << "Wireless Network you selected is the Network being used\r\nSelect a "
                                           "different Network or press Cancel to exit";
        QTest::newRow("none") << -1 << "Select an Wireless Network to switch to or press Cancel";
    }
    void choice()
    {
        QFETCH(int, chosen);
        QFETCH(QString, problem);
        QCOMPARE(wifiChoiceProblem(decodeWifiScan(OfficeReport, "Office WLAN"), chosen, "Office WLAN"), problem);
    }

    void nothingToChooseInAnEmptyReport()
    {
        QCOMPARE(wifiChoiceProblem(decodeWifiScan("E", "Lab"), 0, "Lab"),
                 QStringLiteral("Select an Wireless Network to switch to or press Cancel"));
    }

    void command_data()
    {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("command");
        QTest::newRow("quality of the last row") << "Office WLAN"
                                                 << "Y,Office WLAN,28";
        QTest::newRow("two characters") << "AB"
                                        << "Y,AB,28";
        QTest::newRow("one character sends nothing") << "A"
                                                     << "";
    }
    void command()
    {
        QFETCH(QString, requested);
        QFETCH(QString, command);
        const std::optional<QString> sent = wifiSwitchCommand(requested, decodeWifiScan(OfficeReport, "Guest"));
        QCOMPARE(sent.value_or(QString()), command);
    }
};

QTEST_APPLESS_MAIN(WifiScanTest)
#include "WifiScanTest.moc"
