#include "LinkFixture.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class StatusLineTest : public QObject {
    Q_OBJECT
private slots:
    void longTextsAreCut_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("shown");
        QTest::newRow("55 unchanged") << 55 << 55;
        QTest::newRow("56 cut") << 56 << 57;
        QTest::newRow("200 cut") << 200 << 57;
        QTest::newRow("empty") << 0 << 0;
    }
    void longTextsAreCut()
    {
        QFETCH(int, length);
        QFETCH(int, shown);
        LinkFixture f;
        QString text;
        for (int i = 0; i < length; ++i)
            text += QChar(u'a' + i % 26);
        f.link.statusBarDisplay(text, false);
        const QString line = f.link.statusLine.text();
        QCOMPARE(line.size(), shown);
        if (length > 55)
            QCOMPARE(line, text.left(55) + "..");
    }

    void clearingTimer()
    {
        LinkFixture f;
        QTimer &timer = *f.link.statusLine.statusBarTimer;
        QCOMPARE(timer.interval(), 5000);
        QVERIFY(!timer.isActive());

        f.link.statusBarDisplay("A", true);
        QVERIFY(timer.isActive());
        const int deadline = timer.remainingTime();
        QTest::qWait(30);
        // a second self-clearing text keeps the first one's deadline
        f.link.statusBarDisplay("B", true);
        QVERIFY(timer.remainingTime() < deadline);
        QCOMPARE(f.link.statusLine.text(), QStringLiteral("B"));
        f.link.statusLine.statusBarTimerTimer();
        QCOMPARE(f.link.statusLine.text(), QString());
        QVERIFY(!timer.isActive());

        // a permanent text switches the clearing off
        f.link.statusBarDisplay("A", true);
        f.link.statusBarDisplay("C", false);
        QVERIFY(!timer.isActive());
        QCOMPARE(f.link.statusLine.text(), QStringLiteral("C"));
    }

    void clearsItselfForReal()
    {
        LinkFixture f;
        f.link.statusLine.statusBarTimer->setInterval(20);
        f.link.statusBarDisplay("A", true);
        QTRY_COMPARE_WITH_TIMEOUT(f.link.statusLine.text(), QString(), 2000);
    }

    void logFile()
    {
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        LinkFixture f;
        QCOMPARE(f.link.logFilePath(), QDir(dir.path()).absoluteFilePath("log.txt"));

        f.link.writelogfile("not written");
        QVERIFY(!QFile::exists(f.link.logFilePath()));

        f.settings.Logging = true;
        f.fake.clock.now = QDateTime(QDate(2014, 3, 1), QTime(14, 3, 7, 45), Qt::UTC).toMSecsSinceEpoch();
        f.link.writelogfile("Send Error Pan Left");
        f.fake.clock.now += 3600 * 1000 * 10 + 5;
        f.link.writelogfile(QString::fromUtf8("caf\u00e9 \u20ac"));

        QFile log(f.link.logFilePath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(log.readAll(), QByteArray("14:03:07.045 : Send Error Pan Left\r\n"
                                           "00:03:07.050 : caf\xe9 ?\r\n"));
    }

    void unwritableLogRaises()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("log.txt")); // a folder where the file should be
        QVERIFY(QDir::setCurrent(dir.path()));
        LinkFixture f;
        f.settings.Logging = true;
        QVERIFY_THROWS_EXCEPTION(LinkError, f.link.writelogfile("x"));
    }
};

QTEST_GUILESS_MAIN(StatusLineTest)
#include "StatusLineTest.moc"
