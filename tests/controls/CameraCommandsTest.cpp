#include "controls/CameraCommands.h"

#include <QTest>

class CameraCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void pan_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("command");
        QTest::newRow("centre") << 45 << "MKP09000";
        QTest::newRow("left end") << 0 << "MKP18000";
        QTest::newRow("right end") << 90 << "MKP00000";
        QTest::newRow("one left of centre") << 44 << "MKP09200";
        QTest::newRow("beyond the left end") << -5 << "MKP18000";
        QTest::newRow("beyond the right end") << 95 << "MKP00000";
    }
    void pan()
    {
        QFETCH(int, position);
        QFETCH(QString, command);
        QCOMPARE(panCommand(position), command);
    }

    void tilt_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("command");
        QTest::newRow("top end") << 0 << "MKT04500";
        QTest::newRow("centre") << 45 << "MKT09000";
        QTest::newRow("one third rounds down") << 46 << "MKT09100";
        QTest::newRow("two thirds round up") << 47 << "MKT09300";
        QTest::newRow("whole step") << 48 << "MKT09400";
        QTest::newRow("bottom end") << 90 << "MKT15000";
        QTest::newRow("beyond the top end") << -1 << "MKT04500";
        QTest::newRow("beyond the bottom end") << 120 << "MKT15000";
    }
    void tilt()
    {
        QFETCH(int, position);
        QFETCH(QString, command);
        QCOMPARE(tiltCommand(position), command);
    }

    void clamping_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("clamped");
        QTest::newRow("below") << -1 << 0;
        QTest::newRow("inside") << 60 << 60;
        QTest::newRow("above") << 91 << 90;
    }
    void clamping()
    {
        QFETCH(int, position);
        QFETCH(int, clamped);
        QCOMPARE(clampCameraPosition(position), clamped);
    }

    void memoryText_data()
    {
        QTest::addColumn<QList<int>>("tiltPanPairs");
        QTest::addColumn<QString>("text");
        QTest::newRow("start values") << QList<int>{45, 0, 45, 0, 45, 0} << "45:0:45:0:45:0";
        QTest::newRow("tilt before pan, slot by slot") << QList<int>{10, 20, 30, 40, 50, 90} << "10:20:30:40:50:90";
    }
    void memoryText()
    {
        QFETCH(QList<int>, tiltPanPairs);
        QFETCH(QString, text);
        std::array<CameraMemory, 3> memories;
        for (int slot = 0; slot < 3; ++slot)
            memories[slot] = {tiltPanPairs[2 * slot], tiltPanPairs[2 * slot + 1]};
        QCOMPARE(cameraMemoryText(memories), text);
    }
};

QTEST_GUILESS_MAIN(CameraCommandsTest)
#include "CameraCommandsTest.moc"
