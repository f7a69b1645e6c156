// The program asked on a terminal, with no window system at all.
#include <QProcess>
#include <QTest>

namespace {

QProcess *ask(const QStringList &arguments)
{
    auto *process = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process->setProcessEnvironment(env);
    process->start(QStringLiteral(CONTROLLER), arguments);
    return process;
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void answersWithoutAWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("answer");
        QTest::newRow("version") << QStringList{"--version"} << "quorvelbot-controller 3.2\n";
        QTest::newRow("short version") << QStringList{"-v"} << "quorvelbot-controller 3.2\n";
        QTest::newRow("help") << QStringList{"--help"} << "Usage: ";
        QTest::newRow("help among others") << QStringList{"-platform", "xcb", "-h"} << "Usage: ";
    }
    void answersWithoutAWindow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, answer);
        std::unique_ptr<QProcess> process(ask(arguments));
        QVERIFY(process->waitForFinished(10000));
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(process->exitCode(), 0);
        const QString out = QString::fromLocal8Bit(process->readAllStandardOutput());
        QVERIFY2(out.startsWith(answer), qPrintable(out));
        if (answer.startsWith(QLatin1String("Usage")))
            QVERIFY(out.contains(QLatin1String("--version")) && out.contains(QLatin1String("QUORVELBOT_HOME")));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
