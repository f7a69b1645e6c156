// Where the controller keeps its files: the named home, the user's data
// folder of an installed program, or the program's own folder.
#include "platform/ApplicationFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// An install prefix with the programs' folder and the first-run files.
struct Installed {
    QTemporaryDir prefix;
    QTemporaryDir data;
    QString programs() const { return prefix.filePath(QStringLiteral("lib/quorvelbot-vindra")); }
    QString userFolder() const { return data.filePath(QStringLiteral("quorvelbot-vindra")); }
    Installed()
    {
        QDir().mkpath(programs());
        writeFile(prefix.filePath(QStringLiteral("share/quorvelbot-vindra/defaults/quorvelbot.ini")), "list\r\n");
        writeFile(prefix.filePath(QStringLiteral("share/quorvelbot-vindra/defaults/Settings.ini")), "settings\r\n");
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        qunsetenv("QUORVELBOT_HOME");
    }
    ~Installed() { qunsetenv("XDG_DATA_HOME"); }
};

} // namespace

class ApplicationFolderTest : public QObject {
    Q_OBJECT
private slots:
    void aBuildFolderIsItsOwn()
    {
        QTemporaryDir build;
        qunsetenv("QUORVELBOT_HOME");
        QCOMPARE(applicationFolderFor(build.path()), QDir(build.path()).absolutePath());
    }

    void theNamedHomeWins()
    {
        Installed installed;
        QTemporaryDir home;
        qputenv("QUORVELBOT_HOME", home.path().toLocal8Bit());
        QCOMPARE(applicationFolderFor(installed.programs()), QDir(home.path()).absolutePath());
        qunsetenv("QUORVELBOT_HOME");
        QVERIFY(!QDir(installed.userFolder()).exists()); // nothing copied for a named home
    }

    void anInstalledProgramStartsWithTheFirstRunFiles()
    {
        Installed installed;
        QCOMPARE(applicationFolderFor(installed.programs()), installed.userFolder());
        QCOMPARE(readFile(installed.userFolder() + QStringLiteral("/quorvelbot.ini")), QByteArray("list\r\n"));
        QCOMPARE(readFile(installed.userFolder() + QStringLiteral("/Settings.ini")), QByteArray("settings\r\n"));
        QCOMPARE(QFile::permissions(installed.userFolder() + QStringLiteral("/quorvelbot.ini")),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    }

    void theUsersOwnFilesAreKept()
    {
        Installed installed;
        QVERIFY(writeFile(installed.userFolder() + QStringLiteral("/quorvelbot.ini"), "my robots\r\n"));
        QCOMPARE(applicationFolderFor(installed.programs()), installed.userFolder());
        QCOMPARE(readFile(installed.userFolder() + QStringLiteral("/quorvelbot.ini")), QByteArray("my robots\r\n"));
        // a first-run file the user never had is added
        QCOMPARE(readFile(installed.userFolder() + QStringLiteral("/Settings.ini")), QByteArray("settings\r\n"));
    }
};

QTEST_GUILESS_MAIN(ApplicationFolderTest)
#include "ApplicationFolderTest.moc"
