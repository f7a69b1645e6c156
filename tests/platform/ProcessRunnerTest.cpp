#include "platform/ProcessRunner.h"

#include <QProcess>
#include <QTest>
#include <QTimer>

class ProcessRunnerTest : public QObject {
    Q_OBJECT
private slots:
    void returnsTheExitCode_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("true") << "true" << 0;
        QTest::newRow("false") << "false" << 1;
        QTest::newRow("quoted shell script") << "sh -c \"exit 3\"" << 3;
        QTest::newRow("killed by a signal") << "sh -c \"kill -9 $$\"" << -1;
        QTest::newRow("missing program") << "quorvelbot-no-such-program --help" << -1;
        QTest::newRow("empty command line") << "  " << -1;
    }
    void returnsTheExitCode()
    {
        QFETCH(QString, commandLine);
        QFETCH(int, exitCode);
        ChildProcessRunner runner;
        QCOMPARE(runner.run(commandLine), exitCode);
    }

    void eventsAreHandledWhileItRuns()
    {
        bool timerFired = false;
        QTimer::singleShot(50, this, [&] { timerFired = true; });
        ChildProcessRunner runner;
        QCOMPARE(runner.run(QStringLiteral("sleep 0.3")), 0);
        QVERIFY(timerFired);
    }

    void loopbackAnswersThePing_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::newRow("plain ping") << "ping -c 1 -W 1 127.0.0.1";
        QTest::newRow("reachability command") << reachabilityCommand(QStringLiteral("127.0.0.1"));
    }
    void loopbackAnswersThePing()
    {
        QFETCH(QString, commandLine);
        ChildProcessRunner runner;
        QCOMPARE(runner.run(commandLine), 0);
    }

    // Addresses come from the contact list and from the name server's reply:
    // whatever they hold, ping gets them as its one host argument.
    void addressStaysOneHostArgument_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("address") << "192.168.1.20";
        QTest::newRow("blank inside") << "lab robot";
        QTest::newRow("options") << "-c 100000 -i 0.2 10.0.0.1";
        QTest::newRow("leading option") << "-f";
        QTest::newRow("quote inside") << "a\"b c";
        QTest::newRow("quotes around") << "\"x\"";
        QTest::newRow("shell syntax") << "x; rm -rf ~ `id` $(id)";
    }
    void addressStaysOneHostArgument()
    {
        QFETCH(QString, address);
        const QStringList words = QProcess::splitCommand(reachabilityCommand(address));
        QCOMPARE(words, (QStringList{"ping", "-c", "1", "-W", "2", "--", address}));
    }
};

QTEST_MAIN(ProcessRunnerTest)
#include "ProcessRunnerTest.moc"
