// The code-page text of the controller's files.
#include "platform/AnsiText.h"

#include <QTest>

class AnsiTextTest : public QObject {
    Q_OBJECT
private slots:
    void lines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << QByteArray() << QStringList{QString()};
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b", ""};
        QTest::newRow("LF and CR alone") << QByteArray("a\nb\rc") << QStringList{"a", "b", "c"};
        QTest::newRow("CR before CR LF") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
        QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("Latin-1") << QByteArray("caf\xe9\r\n") << QStringList{QStringLiteral("caf\u00e9"), ""};
    }
    void lines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(textFileLines(bytes), lines);
    }
};

QTEST_GUILESS_MAIN(AnsiTextTest)
#include "AnsiTextTest.moc"
