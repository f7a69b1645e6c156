#include "FormFixture.h"

#include <QDateTime>
#include <QFile>
#include <QLabel>
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
        FormFixture f;
        QString text;
        for (int i = 0; i < length; ++i)
            text += QChar(u'a' + i % 26);
        f.form->statusBarDisplay(text, false);
        const QString line = f.form->statusBarLabel->text();
        QCOMPARE(line.size(), shown);
        if (length > 55)
            QCOMPARE(line, text.left(55) + "..");
    }

    void clearingTimer()
    {
        FormFixture f;
        QTimer &timer = *f.form->statusBarTimer;
        QCOMPARE(timer.interval(), 5000);
        QVERIFY(!timer.isActive());

        f.form->statusBarDisplay("A", true);
        QVERIFY(timer.isActive());
        const int deadline = timer.remainingTime();
        QTest::qWait(30);
        // a second self-clearing text keeps the first one's deadline
        f.form->statusBarDisplay("B", true);
        QVERIFY(timer.remainingTime() < deadline);
        QCOMPARE(f.form->statusBarLabel->text(), QStringLiteral("B"));
        f.form->statusBarTimerTimer();
        QCOMPARE(f.form->statusBarLabel->text(), QString());
        QVERIFY(!timer.isActive());

        // a permanent text switches the clearing off
        f.form->statusBarDisplay("A", true);
        f.form->statusBarDisplay("C", false);
        QVERIFY(!timer.isActive());
        QCOMPARE(f.form->statusBarLabel->text(), QStringLiteral("C"));
    }

    void clearsItselfForReal()
    {
        FormFixture f;
        f.form->statusBarTimer->setInterval(20);
        f.form->statusBarDisplay("A", true);
        QTRY_COMPARE_WITH_TIMEOUT(f.form->statusBarLabel->text(), QString(), 2000);
    }

    void logFile()
    {
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        FormFixture f;
        QCOMPARE(f.form->logFilePath(), QDir(dir.path()).absoluteFilePath("log.txt"));

        f.form->writelogfile("not written");
        QVERIFY(!QFile::exists(f.form->logFilePath()));

        f.form->settings.Logging = true;
        f.fake.clock.now = QDateTime(QDate(2014, 3, 1), QTime(14, 3, 7, 45), Qt::UTC).toMSecsSinceEpoch();
        f.form->writelogfile("Send Error Pan Left");
        f.fake.clock.now += 3600 * 1000 * 10 + 5;
        f.form->writelogfile(QString::fromUtf8("caf\u00e9 \u20ac"));

        QFile log(f.form->logFilePath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(log.readAll(), QByteArray("14:03:07.045 : Send Error Pan Left\r\n"
                                           "00:03:07.050 : caf\xe9 ?\r\n"));
    }

    void unwritableLogRaises()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("log.txt")); // a folder where the file should be
        QVERIFY(QDir::setCurrent(dir.path()));
        FormFixture f;
        f.form->settings.Logging = true;
        QVERIFY_THROWS_EXCEPTION(LinkError, f.form->writelogfile("x"));
    }
};

QTEST_MAIN(StatusLineTest)
#include "StatusLineTest.moc"
