#include "link/Framing.h"
#include "link/Stamps.h"

#include <QDateTime>
#include <QTest>

namespace {
// local wall-clock milliseconds of a calendar time, as the clock reports it
qint64 at(int y, int mo, int d, int h, int mi, int s, int ms)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::UTC).toMSecsSinceEpoch();
}
} // namespace

class FramingTest : public QObject {
    Q_OBJECT
private slots:
    void socketFrames_data()
    {
        QTest::addColumn<qint64>("local");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("wire");
        QTest::newRow("stop command") << at(2014, 3, 1, 12, 0, 0, 45) << "L000R000" << "1393675200.045:L000R000";
        QTest::newRow("second day") << at(1970, 1, 2, 0, 0, 0, 7) << "Z" << "86400.007:Z";
        QTest::newRow("epoch") << qint64(0) << "" << "0.000:";
        QTest::newRow("ping") << at(2014, 3, 1, 12, 0, 0, 999) << "PING:1393675200045"
                              << "1393675200.999:PING:1393675200045";
    }
    void socketFrames()
    {
        QFETCH(qint64, local);
        QFETCH(QString, text);
        QFETCH(QString, wire);
        QCOMPARE(socketFrame(local, text), wire);
    }

    void cloudFrames_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("wire");
        QTest::newRow("zero") << 0 << "00000:L000R000";
        QTest::newRow("beef") << 48879 << "0BEEF:L000R000";
        QTest::newRow("largest") << 999999 << "F423F:L000R000";
        QTest::newRow("small") << 10 << "0000A:L000R000";
    }
    void cloudFrames()
    {
        QFETCH(int, id);
        QFETCH(QString, wire);
        QCOMPARE(cloudFrame(id, QStringLiteral("L000R000")), wire);
    }

    void stampsAndClockTexts()
    {
        const qint64 t = at(2014, 3, 1, 14, 3, 7, 45);
        QCOMPARE(millisecondStamp(t), QStringLiteral("1393682587045"));
        QCOMPARE(millisecondStamp(at(1970, 1, 1, 0, 0, 1, 5)), QStringLiteral("1005"));
        QCOMPARE(timeOfDay(t), QStringLiteral("14:03:07.045"));
        QCOMPARE(timeOfDay(at(2020, 1, 1, 0, 0, 0, 0)), QStringLiteral("00:00:00.000"));
        QCOMPARE(secondsInMinute(1200), QStringLiteral("01.200"));
        QCOMPARE(secondsInMinute(61153), QStringLiteral("01.153"));
    }
};

QTEST_GUILESS_MAIN(FramingTest)
#include "FramingTest.moc"
