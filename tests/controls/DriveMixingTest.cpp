#include "controls/DriveMixing.h"

#include <QTest>

class DriveMixingTest : public QObject {
    Q_OBJECT
private slots:
    void mixing_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("sensitivity");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");

        struct Row {
            const char *name;
            int x, y;
            int demands[3][2]; // at sensitivities 0, 3 and 7
        };
        const Row table[] = {
            {"centre", 110, 80, {{0, 0}, {0, 0}, {0, 0}}},
            {"8 px above centre", 110, 72, {{10, 10}, {10, 10}, {10, 10}}},
            {"half forward", 110, 40, {{50, 50}, {50, 50}, {50, 50}}},
            {"top edge", 110, 0, {{99, 99}, {99, 99}, {99, 99}}},
            {"bottom edge", 110, 160, {{-99, -99}, {-99, -99}, {-99, -99}}},
            {"right edge, spin right", 220, 80, {{50, -50}, {50, -50}, {50, -50}}},
            {"left edge, spin left", 0, 80, {{-50, 50}, {-50, 50}, {-50, 50}}},
            {"right of centre", 150, 80, {{18, -18}, {18, -18}, {18, -18}}},
            {"top-right corner", 220, 0, {{99, 75}, {99, 96}, {99, 98}}},
            {"top-left corner", 0, 0, {{75, 99}, {96, 99}, {98, 99}}},
            {"bottom-right corner", 220, 160, {{-75, -99}, {-96, -99}, {-98, -99}}},
            {"forward right", 165, 40, {{63, 37}, {55, 45}, {53, 47}}},
            {"forward left, 222.5 and 167.5 round to even", 10, 60, {{2, 47}, {10, 40}, {14, 36}}},
            {"far beyond top-right", 400, -100, {{99, 75}, {99, 96}, {99, 98}}},
            {"far beyond the left", -300, 40, {{25, 75}, {40, 60}, {45, 55}}},
            // |dy| 8 damps linearly (t = 2, and 258.5 rounds to 258); from 9
            // on the damping is quadratic, here also 2 where the linear rule
            // would give 2.125 and (35, -13).
            {"dy 8 at the right edge", 220, 72, {{35, -15}, {35, -15}, {35, -15}}},
            {"dy 9 at the right edge", 220, 71, {{36, -14}, {36, -14}, {36, -14}}},
            {"dy -8 at the right edge", 220, 88, {{15, -35}, {15, -35}, {15, -35}}},
            {"dy -9 at the right edge", 220, 89, {{14, -36}, {14, -36}, {14, -36}}},
        };
        const int sensitivities[] = {0, 3, 7};
        for (const Row &row : table) {
            for (int i = 0; i < 3; ++i)
                QTest::addRow("%s, sensitivity %d", row.name, sensitivities[i])
                    << 1.0 << row.x << row.y << sensitivities[i] << row.demands[i][0] << row.demands[i][1];
        }

        // The centre stands still at every display factor.
        QTest::newRow("centre at 1.25") << 1.25 << 138 << 100 << 3 << 0 << 0;
        QTest::newRow("centre at 1.53") << 1.53 << 168 << 122 << 3 << 0 << 0;
        QTest::newRow("top edge at 1.53") << 1.53 << 168 << 0 << 3 << 99 << 99;
        QTest::newRow("spin right at 1.25") << 1.25 << 276 << 100 << 0 << 50 << -50;
        QTest::newRow("spin left at 1.53") << 1.53 << 0 << 122 << 7 << -50 << 50;
    }
    void mixing()
    {
        QFETCH(double, scale);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, sensitivity);
        QFETCH(int, left);
        QFETCH(int, right);
        const WheelDemands demands = padToWheels(x, y, scale, sensitivity);
        QCOMPARE(demands.left, float(left));
        QCOMPARE(demands.right, float(right));
    }

    void scaledMeasures_data()
    {
        QTest::addColumn<int>("pixels");
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("result");
        QTest::newRow("unscaled") << 213 << 1.0 << 213;
        QTest::newRow("tie up to even") << 110 << 1.25 << 138;
        QTest::newRow("tie down to even") << 10 << 1.25 << 12;
        QTest::newRow("nearest") << 213 << 1.25 << 266;
        QTest::newRow("at 1.53") << 110 << 1.53 << 168;
    }
    void scaledMeasures()
    {
        QFETCH(int, pixels);
        QFETCH(double, scale);
        QFETCH(int, result);
        QCOMPARE(scaled(pixels, scale), result);
    }

    void command_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("maxSpeed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("autoCentres");
        QTest::newRow("forward right") << 99 << 75 << 100 << "L199R175" << true;
        QTest::newRow("spin left") << -50 << 50 << 100 << "L050R150" << true;
        QTest::newRow("max speed 60") << 99 << 99 << 60 << "L159R159" << true;
        QTest::newRow("magnitude 00 forward") << 1 << 0 << 40 << "L100R100" << false;
        QTest::newRow("magnitude 00 backward") << -1 << 0 << 40 << "L000R100" << false;
        QTest::newRow("truncated, not rounded") << 75 << 75 << 84 << "L162R162" << true;
        QTest::newRow("31 on both wheels") << 31 << -31 << 100 << "L131R031" << true;
        QTest::newRow("30 on one wheel") << 31 << 30 << 100 << "L131R130" << false;
        QTest::newRow("scaled down to 30") << -60 << -60 << 50 << "L030R030" << false;
        QTest::newRow("max speed above 100") << 99 << -99 << 150 << "L199R099" << true;
        QTest::newRow("negative max speed") << 99 << -99 << -60 << "L100R000" << false;
    }
    void command()
    {
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(int, maxSpeed);
        QFETCH(QString, text);
        QFETCH(bool, autoCentres);
        const DriveCommand command = driveCommand({float(left), float(right)}, maxSpeed);
        QCOMPARE(command.text, text);
        QCOMPARE(command.autoCentresCamera(), autoCentres);
    }

    void joystick_data()
    {
        QTest::addColumn<double>("stickX");
        QTest::addColumn<double>("stickY");
        QTest::addColumn<QPoint>("padPoint");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::newRow("at rest") << 0.0 << 0.0 << QPoint(110, 80) << 0 << 0;
        QTest::newRow("0.44 px counts as centred") << 0.004 << 0.0 << QPoint(110, 80) << 0 << 0;
        QTest::newRow("full forward") << 0.0 << -1.0 << QPoint(110, 0) << 99 << 99;
        QTest::newRow("full right") << 1.0 << 0.0 << QPoint(220, 80) << 50 << -50;
        QTest::newRow("full back left") << -1.0 << 1.0 << QPoint(0, 160) << -99 << -75;
        QTest::newRow("tie to even") << 0.25 << -0.5 << QPoint(138, 40) << 56 << 44;
    }
    void joystick()
    {
        QFETCH(double, stickX);
        QFETCH(double, stickY);
        QFETCH(QPoint, padPoint);
        QFETCH(int, left);
        QFETCH(int, right);
        const QPoint point = joystickPadPoint(stickX, stickY);
        QCOMPARE(point, padPoint);
        const WheelDemands demands = padToWheels(point.x(), point.y(), 1.0, 0);
        QCOMPARE(demands.left, float(left));
        QCOMPARE(demands.right, float(right));
    }
};

QTEST_GUILESS_MAIN(DriveMixingTest)
#include "DriveMixingTest.moc"
