#include "paths/CompanionLines.h"

#include <QtTest>

Q_DECLARE_METATYPE(CompanionLineCut::Outcome)

class CompanionLinesTest : public QObject {
    Q_OBJECT

private slots:
    void cut_data()
    {
        QTest::addColumn<QByteArray>("pending");
        QTest::addColumn<int>("limit");
        QTest::addColumn<CompanionLineCut::Outcome>("outcome");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("length");

        const auto line = CompanionLineCut::Line;
        const auto incomplete = CompanionLineCut::Incomplete;
        const auto tooLong = CompanionLineCut::TooLong;
        QTest::newRow("LF") << QByteArray("VALID,a,b,c\nnext") << 64 << line << "VALID,a,b,c" << 12;
        QTest::newRow("CR LF") << QByteArray("bd12,3.5,45\r\n") << 64 << line << "bd12,3.5,45" << 13;
        QTest::newRow("a CR alone ends no line") << QByteArray("a\rb\n") << 64 << line << "a\rb" << 4;
        QTest::newRow("blanks and controls trimmed")
            << QByteArray(" \t\x01x y\x7f \r\n") << 64 << line << "x y\x7f" << 10;
        QTest::newRow("8-bit bytes read as ?") << QByteArray("\xE9t\xC3\xA9\n") << 64 << line << "?t??" << 5;
        QTest::newRow("an empty line") << QByteArray("\r\n") << 64 << line << "" << 2;
        QTest::newRow("no LF yet") << QByteArray("VALID,a") << 64 << incomplete << "" << 0;
        QTest::newRow("nothing") << QByteArray() << 0 << incomplete << "" << 0;
        QTest::newRow("at the limit") << QByteArray("abcd\r\n") << 4 << line << "abcd" << 6;
        QTest::newRow("beyond the limit") << QByteArray("abcde\n") << 4 << tooLong << "" << 0;
        QTest::newRow("beyond the limit before its LF") << QByteArray("abcde") << 4 << tooLong << "" << 0;
        QTest::newRow("a trailing CR may still precede an LF") << QByteArray("abcd\r") << 4 << incomplete << "" << 0;
        QTest::newRow("only the first line counts") << QByteArray("ab\nabcdefgh\n") << 4 << line << "ab" << 3;
    }
    void cut()
    {
        QFETCH(QByteArray, pending);
        QFETCH(int, limit);
        QFETCH(CompanionLineCut::Outcome, outcome);
        QFETCH(QString, line);
        QFETCH(int, length);

        const CompanionLineCut cut = cutCompanionLine(pending, limit);

        QCOMPARE(cut.outcome, outcome);
        QCOMPARE(cut.line, line);
        QCOMPARE(cut.length, length);
    }
};

QTEST_GUILESS_MAIN(CompanionLinesTest)
#include "CompanionLinesTest.moc"
