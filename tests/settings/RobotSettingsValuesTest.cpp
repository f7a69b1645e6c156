#include "settings/RobotSettingsValues.h"

#include <QTest>

class RobotSettingsValuesTest : public QObject {
    Q_OBJECT
private slots:
    void acceleration_data()
    {
        QTest::addColumn<int>("setting");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("command");
        QTest::newRow("absent from the file") << 0 << 5 << "XE050000";
        QTest::newRow("slow") << 5 << 5 << "XE050000";
        QTest::newRow("middle") << 12 << 12 << "XE120000";
        QTest::newRow("fast") << 20 << 20 << "XE200000";
        QTest::newRow("beyond fast") << 35 << 20 << "XE200000";
    }
    void acceleration()
    {
        QFETCH(int, setting);
        QFETCH(int, position);
        QFETCH(QString, command);
        QCOMPARE(accelerationPosition(setting), position);
        QCOMPARE(accelerationCommand(position), command);
    }

    void padSensitivity_data()
    {
        QTest::addColumn<int>("setting");
        QTest::addColumn<int>("position");
        QTest::newRow("least sensitive") << 7 << 0;
        QTest::newRow("most sensitive") << 0 << 7;
        QTest::newRow("middle") << 3 << 4;
        QTest::newRow("beyond the slider") << 9 << 0;
    }
    void padSensitivity()
    {
        QFETCH(int, setting);
        QFETCH(int, position);
        QCOMPARE(padSensitivityPosition(setting), position);
        if (setting >= 0 && setting <= 7)
            QCOMPARE(padSensitivityValue(position), setting);
    }

    void driveTimeOut_data()
    {
        QTest::addColumn<int>("setting");
        QTest::addColumn<int>("position");
        QTest::newRow("750 ties to even") << 750 << 8;
        QTest::newRow("650 ties to even") << 650 << 6;
        QTest::newRow("749") << 749 << 7;
        QTest::newRow("absent from the file") << 0 << 5;
        QTest::newRow("beyond the slider") << 2000 << 10;
    }
    void driveTimeOut()
    {
        QFETCH(int, setting);
        QFETCH(int, position);
        QCOMPARE(driveTimeOutPosition(setting), position);
    }

    void driveTimeOutMoved()
    {
        QCOMPARE(driveTimeOutValue(7), 700);
        QCOMPARE(driveTimeOutCommand(driveTimeOutValue(7)), QStringLiteral("V:driveTimeOut:700"));
    }
};

QTEST_APPLESS_MAIN(RobotSettingsValuesTest)
#include "RobotSettingsValuesTest.moc"
