#include "contacts/RobotFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool makeFile(const QString &path, const QByteArray &bytes = "x")
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Neither a folder, a file nor a dangling link is left at path.
bool isGone(const QString &path) { return !QFileInfo(path).isSymLink() && !QFileInfo::exists(path); }

} // namespace

class RobotFolderTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void refusals_data();
    void refusals();
    void removesTheFolderWithEverythingInIt();
    void linksAreRemovedNotFollowed_data();
    void linksAreRemovedNotFollowed();
    void aMissingFolderIsNoFailure();

private:
    std::unique_ptr<QTemporaryDir> application;
    std::unique_ptr<QTemporaryDir> outside;
    QString data(const QString &relative) const { return application->filePath("Data/" + relative); }
};

void RobotFolderTest::init()
{
    application = std::make_unique<QTemporaryDir>();
    outside = std::make_unique<QTemporaryDir>();
    QVERIFY(application->isValid() && outside->isValid());
    QVERIFY(makeFile(data("Lab/config.py")));
    QVERIFY(makeFile(application->filePath("quorvelbot.ini")));
    QVERIFY(makeFile(outside->filePath("target.txt"), "keep me"));
    QVERIFY(makeFile(outside->filePath("folder/inner.txt"), "keep me too"));
}

void RobotFolderTest::refusals_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("reasonMentions");

    QTest::newRow("empty") << "" << "no description";
    QTest::newRow("the Data folder itself") << "." << "\".\"";
    QTest::newRow("absolute") << "<outside>" << "absolute";
    QTest::newRow("slash") << "Lab/config.py" << "\"/\"";
    QTest::newRow("backslash") << "Lab\\config.py" << "\"\\\"";
    QTest::newRow("parent folder") << ".." << "\"..\"";
    QTest::newRow("two dots anywhere") << "Lab..old" << "\"..\"";
}

void RobotFolderTest::refusals()
{
    QFETCH(QString, description);
    QFETCH(QString, reasonMentions);
    description.replace("<outside>", outside->path());

    const RobotFolderRemoval result = removeRobotFolder(application->path(), description);

    QVERIFY(result.refused);
    QVERIFY2(result.reason.contains(reasonMentions), qPrintable(result.reason));
    QVERIFY(QFile::exists(data("Lab/config.py")));
    QVERIFY(QFile::exists(application->filePath("quorvelbot.ini")));
    QVERIFY(QFile::exists(outside->filePath("folder/inner.txt")));
}

void RobotFolderTest::removesTheFolderWithEverythingInIt()
{
    for (const QString &file : {"Lab bench/config.py", "Lab bench/.hidden", "Lab bench/sub/deeper/log.txt"})
        QVERIFY(makeFile(data(file)));
    QVERIFY(QDir().mkpath(data("Lab bench/empty")));

    const RobotFolderRemoval result = removeRobotFolder(application->path(), "Lab bench");

    QVERIFY(!result.refused);
    QVERIFY(isGone(data("Lab bench")));
    QVERIFY(QFile::exists(data("Lab/config.py")));
}

void RobotFolderTest::linksAreRemovedNotFollowed_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("target");

    QTest::newRow("a link to a file outside") << "Lab/config-link" << "target.txt";
    QTest::newRow("a link to a folder outside") << "Lab/folder-link" << "folder";
    QTest::newRow("a link deeper inside") << "Lab/sub/folder-link" << "folder";
    QTest::newRow("a dangling link") << "Lab/dangling" << "nothing-here";
    QTest::newRow("the robot folder is itself a link") << "Hall" << "folder";
}

void RobotFolderTest::linksAreRemovedNotFollowed()
{
    QFETCH(QString, link);
    QFETCH(QString, target);
    QDir().mkpath(QFileInfo(data(link)).absolutePath());
    QVERIFY(QFile::link(outside->filePath(target), data(link)));
    const QString robot = link.section('/', 0, 0);

    const RobotFolderRemoval result = removeRobotFolder(application->path(), robot);

    QVERIFY(!result.refused);
    QVERIFY(isGone(data(robot)));
    QFile file(outside->filePath("target.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("keep me"));
    QVERIFY(QFile::exists(outside->filePath("folder/inner.txt")));
}

void RobotFolderTest::aMissingFolderIsNoFailure()
{
    const RobotFolderRemoval result = removeRobotFolder(application->path(), "Nowhere");

    QVERIFY(!result.refused);
    QVERIFY(QFile::exists(data("Lab/config.py")));
}

QTEST_GUILESS_MAIN(RobotFolderTest)
#include "RobotFolderTest.moc"
