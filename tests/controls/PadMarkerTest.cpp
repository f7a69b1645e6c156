#include "controls/PadMarker.h"

#include <QTest>

class PadMarkerTest : public QObject {
    Q_OBJECT
private slots:
    void pointer_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<QPoint>("marker");
        QTest::newRow("inside") << 1.0 << QPoint(50, 40) << QPoint(44, 34);
        QTest::newRow("right and bottom edges") << 1.0 << QPoint(220, 160) << QPoint(214, 154);
        QTest::newRow("left of and below the pad") << 1.0 << QPoint(-3, 161) << QPoint(0, 154);
        QTest::newRow("beyond the right, above") << 1.0 << QPoint(221, -1) << QPoint(213, 0);
        QTest::newRow("scaled edges") << 1.25 << QPoint(275, 200) << QPoint(269, 194);
        QTest::newRow("beyond scaled edges, tie to even") << 1.25 << QPoint(276, 201) << QPoint(266, 192);
    }
    void pointer()
    {
        QFETCH(double, scale);
        QFETCH(QPoint, place);
        QFETCH(QPoint, marker);
        QCOMPARE(padMarkerPosition(place.x(), place.y(), scale), marker);
    }

    void joystick_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QPoint>("padPoint");
        QTest::addColumn<QPoint>("marker");
        QTest::newRow("at rest") << 1.0 << QPoint(110, 80) << QPoint(104, 73);
        QTest::newRow("at rest, scaled") << 1.25 << QPoint(110, 80) << QPoint(130, 91);
        QTest::newRow("top-left corner") << 1.0 << QPoint(0, 0) << QPoint(-6, -7);
        QTest::newRow("bottom-right corner at 1.53") << 1.53 << QPoint(220, 160) << QPoint(327, 234);
    }
    void joystick()
    {
        QFETCH(double, scale);
        QFETCH(QPoint, padPoint);
        QFETCH(QPoint, marker);
        QCOMPARE(joystickMarkerPosition(padPoint, scale), marker);
    }
};

QTEST_GUILESS_MAIN(PadMarkerTest)
#include "PadMarkerTest.moc"
