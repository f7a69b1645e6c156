// The Debian package: built from this build, unpacked in a scratch root,
// its program started on a desktop of its own.
#include "Desktop.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

namespace {

// What the program wrote, when it ended well.
std::optional<QString> run(const QString &program, const QStringList &arguments, int milliseconds = 120000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(milliseconds) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

} // namespace

class PackageE2ETest : public QObject {
    Q_OBJECT
private slots:
    void installedProgramStartsOnItsOwnFiles()
    {
        QTemporaryDir scratch;
        const QString packages = scratch.filePath(QStringLiteral("packages"));
        QVERIFY(
            run(QStringLiteral(CPACK), {QStringLiteral("--config"), QStringLiteral(BUILD_DIR "/CPackConfig.cmake"),
                                        QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), packages}));
        const QStringList debs = QDir(packages).entryList({QStringLiteral("*.deb")});
        QCOMPARE(debs.size(), 1);
        const QString deb = QDir(packages).filePath(debs[0]);

        // it asks for what the program needs at run time
        const QString depends =
            run(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QStringLiteral("Depends")}).value_or(QString());
        for (const char *package :
             {"libqt6widgets6", "libqt6websockets6", "libqt6network6", "libsdl2-2.0-0", "qt6-qpa-plugins"})
            QVERIFY2(depends.contains(QLatin1String(package)), package);

        const QString root = scratch.filePath(QStringLiteral("root"));
        QVERIFY(run(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb, root}));
        const QString program = root + QStringLiteral("/usr/bin/quorvelbot-controller");
        QVERIFY(QFile::exists(root + QStringLiteral("/usr/lib/quorvelbot-vindra/kill8817")));
        QVERIFY(QFile::exists(root + QStringLiteral("/usr/share/applications/quorvelbot-vindra.desktop")));
        QVERIFY(QFile::exists(root + QStringLiteral("/usr/share/icons/hicolor/scalable/apps/quorvelbot-vindra.svg")));
        QCOMPARE(run(program, {QStringLiteral("--version")}).value_or(QString()),
                 QStringLiteral("quorvelbot-controller 3.2\n"));

        Desktop desktop;
        QVERIFY(desktop.isUp());
        const QString data = scratch.filePath(QStringLiteral("data"));
        QProcessEnvironment env = desktop.environment();
        env.remove(QStringLiteral("QUORVELBOT_HOME"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), data);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), scratch.path());
        QProcess controller;
        controller.setProcessEnvironment(env);
        controller.setProcessChannelMode(QProcess::ForwardedChannels);
        controller.start(program, {});
        const QString window = desktop.findWindow(QStringLiteral("QuorvelBot"), 20000);
        QVERIFY2(!window.isEmpty(), "no sign-in window");
        // its files are the user's, made from the first-run files
        const QString folder = data + QStringLiteral("/quorvelbot-vindra");
        QVERIFY(QFile::exists(folder + QStringLiteral("/quorvelbot.ini")));
        QVERIFY(QFile::exists(folder + QStringLiteral("/Settings.ini")));
        QVERIFY(desktop.closeWindow(window));
        QVERIFY(controller.waitForFinished(10000));
        QCOMPARE(controller.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(PackageE2ETest)
#include "PackageE2ETest.moc"
