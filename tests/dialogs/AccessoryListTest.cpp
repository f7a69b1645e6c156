#include "dialogs/AccessoryList.h"

#include <QTest>

namespace {

const QString Degree = QStringLiteral("\u00b0");

} // namespace

class AccessoryListTest : public QObject {
    Q_OBJECT
private slots:
    void outsideASession()
    {
        QCOMPARE(accessoryListText({}), QStringLiteral("Log in to a QuorvelBot to get an accessory List"));
    }

    void list_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("generation");
        QTest::addColumn<bool>("pan");
        QTest::addColumn<bool>("pan360");
        QTest::addColumn<bool>("multiRadio");
        QTest::addColumn<int>("radios");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("table-top") << "T102053.8"
                                   << "2" << false << false << false << 1
                                   << QStringList{"1. Laser Pointer  - Present", "2. Battery  - Absent",
                                                  "3. Wifi Radio  - Present", ""};
        QTest::newRow("one radio with the multi-radio flag")
            << "M3x4173.9"
            << "2" << true << false << true << 1
            << QStringList{"1. Motorized Pan  - Present", "2. Laser Pointer  - Present",
                           "3. Multiple Wifi Radio  - Present", "    Only 1 radio operational", ""};
        QTest::newRow("three radios without the flag")
            << "M3x4173.9"
            << "2" << false << false << false << 3
            << QStringList{"1. Motorized Pan  - Absent", "2. Laser Pointer  - Present",
                           "3. Multiple Wifi Radio  - Present", "    - 3 radio Operational", ""};
        QTest::newRow("two radios without the flag")
            << "M3x4173.9"
            << "2" << true << false << false << 2
            << QStringList{"1. Motorized Pan  - Present", "2. Laser Pointer  - Present",
                           "3. Multiple Wifi Radio  - Absent", ""};
        QTest::newRow("first generation, 360")
            << "M3x4173.9"
            << "1" << true << true << false << 1
            << QStringList{"1. Motorized Pan 360" + Degree + " - Present", "2. Laser Pointer  - Present",
                           "3. Multiple Wifi Radio  - Absent", "4. LED Headlights  - Present", ""};
        QTest::newRow("first generation, 180")
            << "M3x4173.9"
            << "1" << true << false << false << 1
            << QStringList{"1. Motorized Pan 180" + Degree + "   - Present", "2. Laser Pointer  - Present",
                           "3. Multiple Wifi Radio  - Absent", "4. LED Headlights  - Absent", ""};
    }
    void list()
    {
        QFETCH(QString, model);
        QFETCH(QString, generation);
        QFETCH(bool, pan);
        QFETCH(bool, pan360);
        QFETCH(bool, multiRadio);
        QFETCH(int, radios);
        QFETCH(QStringList, lines);
        const RobotAccessories robot{true, model, generation, pan, pan360, true, multiRadio, -1, radios};
        QCOMPARE(accessoryListText(robot).split(QStringLiteral("\r\n")), lines);
    }
};

QTEST_APPLESS_MAIN(AccessoryListTest)
#include "AccessoryListTest.moc"
