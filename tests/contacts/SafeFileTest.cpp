#include "FileSizeLimit.h"
#include "link/LinkError.h"
#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr QFileDevice::Permissions othersAndGroup = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                    QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                    QFileDevice::WriteOther | QFileDevice::ExeOther;

bool makeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class SafeFileTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void writesExactlyTheBytes_data();
    void writesExactlyTheBytes();
    void permissions_data();
    void permissions();
    void aWriteFailingPartWayLeavesTheOldFileWhole_data();
    void aWriteFailingPartWayLeavesTheOldFileWhole();
    void aFolderThatIsNotThereIsNamedInTheError();

private:
    std::unique_ptr<QTemporaryDir> folder;
    QString path;
};

void SafeFileTest::init()
{
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
    path = folder->filePath("quorvelbot.ini");
}

void SafeFileTest::writesExactlyTheBytes_data()
{
    QTest::addColumn<QByteArray>("old");
    QTest::addColumn<QByteArray>("bytes");

    static const char raw[] = "#LastSelected:1\r\nSocket,Salle \xE9t\xE9,h,Other,,,\r\n\0tail";
    const QByteArray text(raw, sizeof raw - 1);
    QTest::newRow("a new file") << QByteArray() << text;
    QTest::newRow("over a longer old file") << QByteArray(4096, 'o') << text;
    QTest::newRow("nothing") << QByteArray("old") << QByteArray();
}

void SafeFileTest::writesExactlyTheBytes()
{
    QFETCH(QByteArray, old);
    QFETCH(QByteArray, bytes);
    if (!old.isEmpty())
        QVERIFY(makeFile(path, old));

    writeFileReplacing(path, bytes, true);

    QCOMPARE(contentsOf(path), bytes);
    QCOMPARE(QDir(folder->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"quorvelbot.ini"});
}

void SafeFileTest::permissions_data()
{
    QTest::addColumn<bool>("oldFile");
    QTest::addColumn<bool>("ownerOnly");
    QTest::addColumn<QFileDevice::Permissions>("othersAndGroupAfter");

    const QFileDevice::Permissions readable = QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QTest::newRow("owner only, a new file") << false << true << QFileDevice::Permissions();
    QTest::newRow("owner only, over a readable file") << true << true << QFileDevice::Permissions();
    QTest::newRow("otherwise a file keeps its permissions") << true << false << readable;
}

void SafeFileTest::permissions()
{
    QFETCH(bool, oldFile);
    QFETCH(bool, ownerOnly);
    QFETCH(QFileDevice::Permissions, othersAndGroupAfter);
    if (oldFile) {
        QVERIFY(makeFile(path, "old"));
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ReadGroup | QFileDevice::ReadOther));
    }

    writeFileReplacing(path, "#LastSelected:1\r\n", ownerOnly);

    const QFileDevice::Permissions after = QFile::permissions(path);
    QVERIFY(after.testFlags(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(after & othersAndGroup, othersAndGroupAfter);
}

void SafeFileTest::aWriteFailingPartWayLeavesTheOldFileWhole_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("size");
    QTest::newRow("a long file") << 4096 << 65536;
    QTest::newRow("a short file, failing as it is flushed") << 16 << 200;
}

void SafeFileTest::aWriteFailingPartWayLeavesTheOldFileWhole()
{
    QFETCH(int, limit);
    QFETCH(int, size);
    const QByteArray old = "#LastSelected:1\r\nSocket,Lab,10.0.0.9,Other,,,45:45:45:45:45:45\r\n";
    QVERIFY(makeFile(path, old));

    try {
        const FileSizeLimit full{rlim_t(limit)};
        writeFileReplacing(path, QByteArray(size, 'n'), true);
        QFAIL("the write did not fail");
    } catch (const LinkError &error) {
        QVERIFY2(error.message().contains(path), qPrintable(error.message()));
    }

    QCOMPARE(contentsOf(path), old);
    QCOMPARE(QDir(folder->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"quorvelbot.ini"});
}

void SafeFileTest::aFolderThatIsNotThereIsNamedInTheError()
{
    const QString missing = folder->filePath("no-such-folder/Settings.ini");

    try {
        writeFileReplacing(missing, "Logging:\r\n", false);
        QFAIL("the write did not fail");
    } catch (const LinkError &error) {
        QVERIFY2(error.message().contains(missing), qPrintable(error.message()));
    }
    QVERIFY(!QFile::exists(missing));
}

QTEST_GUILESS_MAIN(SafeFileTest)
#include "SafeFileTest.moc"
