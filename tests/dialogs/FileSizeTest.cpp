#include "dialogs/FileSize.h"

#include "link/LinkError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class FileSizeTest : public QObject {
    Q_OBJECT
private slots:
    void sizeOfAFile_data()
    {
        QTest::addColumn<int>("bytes");
        QTest::newRow("empty") << 0;
        QTest::newRow("just long enough for the cloud") << 101;
    }
    void sizeOfAFile()
    {
        QFETCH(int, bytes);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("config.py")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(bytes, 'x'));
        file.close();
        QCOMPARE(GetFileSize(file.fileName()), qint64(bytes));
    }

    void whatCannotBeOpenedRaises_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing") << "missing.py";
        QTest::newRow("a folder") << "folder";
    }
    void whatCannotBeOpenedRaises()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        QVERIFY_THROWS_EXCEPTION(LinkError, GetFileSize(dir.filePath(name)));
    }
};

QTEST_APPLESS_MAIN(FileSizeTest)
#include "FileSizeTest.moc"
