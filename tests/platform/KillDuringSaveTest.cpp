// A controller killed at any moment while it saves leaves each file whole:
// the version before or the version after, never a torn or empty one.
#include "contacts/ContactFile.h"
#include "contacts/RobotList.h"
#include "platform/SafeFile.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <signal.h>

#include "SavedVersions.h"

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

class KillDuringSaveTest : public QObject {
    Q_OBJECT
private slots:
    void everyFileIsOldOrNew()
    {
        QTemporaryDir folder;
        const QDir dir(folder.path());
        QList<QByteArray> lists, settings, configs;
        for (int version : {0, 1}) {
            lists << writeContactFile(savedList(version), -1).bytes;
            settings << writeSettingsFile(savedSettings(version), QString());
            configs << savedConfig(version);
        }
        // the saver starts from the first version of every file
        writeFileReplacing(dir.filePath(RobotList::FileName), lists[0], true);
        writeFileReplacing(dir.filePath(SettingsStore::FileName), settings[0], false);
        writeFileReplacing(dir.filePath(QStringLiteral("config.py")), configs[0], true);

        constexpr int Kills = 1000;
        QSet<QByteArray> seenLists;
        for (int kill = 0; kill < Kills; ++kill) {
            QProcess saver;
            saver.start(QStringLiteral(SAVER), {folder.path()});
            // a loaded machine may take long to start a program: the kill
            // comes at a random moment of the saving itself
            QVERIFY(saver.waitForReadyRead(10000));
            QThread::usleep(QRandomGenerator::global()->bounded(30000));
            ::kill(pid_t(saver.processId()), SIGKILL);
            QVERIFY(saver.waitForFinished(5000));

            const QByteArray list = readFile(dir.filePath(RobotList::FileName));
            QVERIFY2(lists.contains(list), qPrintable(QStringLiteral("robot list torn after kill %1").arg(kill)));
            QVERIFY2(settings.contains(readFile(dir.filePath(SettingsStore::FileName))),
                     qPrintable(QStringLiteral("settings torn after kill %1").arg(kill)));
            QVERIFY2(configs.contains(readFile(dir.filePath(QStringLiteral("config.py")))),
                     qPrintable(QStringLiteral("config.py torn after kill %1").arg(kill)));
            seenLists.insert(list);
        }
        QCOMPARE(seenLists.size(), 2); // the kills came while it was saving, not before
        // the secrets stay the owner's
        QCOMPARE(QFile::permissions(dir.filePath(QStringLiteral("config.py"))) & (QFile::ReadGroup | QFile::ReadOther),
                 QFile::Permissions());
    }
};

QTEST_GUILESS_MAIN(KillDuringSaveTest)
#include "KillDuringSaveTest.moc"
