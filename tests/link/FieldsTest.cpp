#include "link/Fields.h"
#include "link/LinkError.h"
#include "link/Numbers.h"

#include <QTest>
#include <limits>

class FieldsTest : public QObject {
    Q_OBJECT
private slots:
    void split_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("empty middle") << "a::b" << QStringList{"a", "", "b"};
        QTest::newRow("blank separates") << "a b:c" << QStringList{"a", "b", "c"};
        QTest::newRow("trailing separator") << "a:" << QStringList{"a", ""};
        QTest::newRow("separator then blank at end") << "a: " << QStringList{"a"};
        QTest::newRow("leading separator") << ":a" << QStringList{"", "a"};
        QTest::newRow("leading blanks and controls") << " \t\x01" "AUTH:1" << QStringList{"AUTH", "1"};
        QTest::newRow("blanks around separator") << "a : b" << QStringList{"a", "b"};
        QTest::newRow("quoted keeps separator") << "\"a:b\":c" << QStringList{"a:b", "c"};
        QTest::newRow("doubled quote") << "\"say \"\"hi\"\"\":x" << QStringList{"say \"hi\"", "x"};
        QTest::newRow("unclosed quote") << "\"abc:d" << QStringList{"abc:d"};
        QTest::newRow("text after quote") << "\"ab\"c:d" << QStringList{"ab", "c", "d"};
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("only blanks") << "   " << QStringList{};
        QTest::newRow("only separator") << ":" << QStringList{"", ""};
        QTest::newRow("login answer") << "AUTH:0:100:FALSE:M3:7C:1"
                                      << QStringList{"AUTH", "0", "100", "FALSE", "M3", "7C", "1"};
    }
    void split()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, fields);
        QCOMPARE(splitFields(text, u':').all(), fields);
    }

    void fieldBeyondTheLastIsAnError()
    {
        const Fields fields = splitFields(QStringLiteral("AUTH:1:80"), u':');
        QCOMPARE(fields.at(2), QStringLiteral("80"));
        QVERIFY_THROWS_EXCEPTION(LinkError, fields.at(3));
        QVERIFY_THROWS_EXCEPTION(LinkError, fields.at(-1));
    }

    void textAfterColon_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("value");
        QTest::newRow("code") << "CONNEND:42" << "42";
        QTest::newRow("no colon") << "CONNEND" << "CONNEND";
        QTest::newRow("second colon kept") << "W Office:LAN:72" << "LAN:72";
        QTest::newRow("empty value") << "headType:" << "";
    }
    void textAfterColon()
    {
        QFETCH(QString, message);
        QFETCH(QString, value);
        QCOMPARE(::textAfterColon(message), value);
    }

    void decimals_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "80" << true << 80;
        QTest::newRow("negative") << "-3" << true << -3;
        QTest::newRow("plus") << "+7" << true << 7;
        QTest::newRow("largest") << "2147483647" << true << 2147483647;
        QTest::newRow("smallest") << "-2147483648" << true << int(-2147483647 - 1);
        QTest::newRow("overflow") << "2147483648" << false << 0;
        QTest::newRow("huge") << "99999999999999999999999" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("sign only") << "-" << false << 0;
        QTest::newRow("blank before") << " 80" << false << 0;
        QTest::newRow("fraction") << "3.5" << false << 0;
        QTest::newRow("hex") << "7C" << false << 0;
        QTest::newRow("arabic digits") << QString::fromUtf8("\u0663") << false << 0;
    }
    void decimals()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, value);
        if (valid)
            QCOMPARE(readDecimal(text), value);
        else
            QVERIFY_THROWS_EXCEPTION(LinkError, readDecimal(text));
    }

    void longDecimals()
    {
        QCOMPARE(readLongDecimal(QStringLiteral("1393675200045")), Q_INT64_C(1393675200045));
        QCOMPARE(readLongDecimal(QStringLiteral("-9223372036854775808")), std::numeric_limits<qint64>::min());
        QCOMPARE(readLongDecimal(QStringLiteral("9223372036854775807")), std::numeric_limits<qint64>::max());
        QVERIFY_THROWS_EXCEPTION(LinkError, readLongDecimal(QStringLiteral("9223372036854775808")));
        QVERIFY_THROWS_EXCEPTION(LinkError, readLongDecimal(QString()));
    }

    void hexadecimals_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<uint>("value");
        QTest::newRow("upper") << "7C" << true << 0x7Cu;
        QTest::newRow("lower") << "ff" << true << 0xFFu;
        QTest::newRow("widest") << "FFFFFFFF" << true << 0xFFFFFFFFu;
        QTest::newRow("too wide") << "100000000" << false << 0u;
        QTest::newRow("prefix") << "0x7C" << false << 0u;
        QTest::newRow("empty") << "" << false << 0u;
        QTest::newRow("not hex") << "7G" << false << 0u;
    }
    void hexadecimals()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(uint, value);
        if (valid)
            QCOMPARE(readHex(text), value);
        else
            QVERIFY_THROWS_EXCEPTION(LinkError, readHex(text));
    }

    void roundingTiesToEven()
    {
        QCOMPARE(roundToEven(18.75), 19);
        QCOMPARE(roundToEven(22.5), 22);
        QCOMPARE(roundToEven(23.5), 24);
        QCOMPARE(roundToEven(-0.5), 0);
        QCOMPARE(roundToEven(45.9), 46);
    }

    void roundingBeyondTheIntRange_data()
    {
        constexpr int highest = std::numeric_limits<int>::max();
        constexpr int lowest = std::numeric_limits<int>::min();
        constexpr double infinity = std::numeric_limits<double>::infinity();
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rounded");
        QTest::newRow("the largest int") << 2147483647.4 << highest;
        QTest::newRow("just beyond it") << 2147483647.5 << highest;
        QTest::newRow("far beyond") << 1e10 << highest;
        QTest::newRow("infinity") << infinity << highest;
        QTest::newRow("the smallest int") << -2147483648.5 << lowest;
        QTest::newRow("just below it") << -2147483648.6 << lowest;
        QTest::newRow("far below") << -1e10 << lowest;
        QTest::newRow("minus infinity") << -infinity << lowest;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0;
    }
    void roundingBeyondTheIntRange()
    {
        QFETCH(double, value);
        QTEST(roundToEven(value), "rounded");
    }
};

QTEST_GUILESS_MAIN(FieldsTest)
#include "FieldsTest.moc"
