#include "LocalPorts.h"
#include "WebSocketController.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

namespace {

// The built simulator, named by the build.
QString simulator() { return qEnvironmentVariable("QUORVELBOT_SIM"); }

// The simulator's output, line by line as it comes.
struct Output {
    explicit Output(QProcess &process) : process(process) {}
    bool waitFor(const QString &text)
    {
        return QTest::qWaitFor(
            [this, &text] {
                seen += QString::fromUtf8(process.readAllStandardOutput());
                return seen.contains(text);
            },
            5000);
    }
    QProcess &process;
    QString seen;
};

} // namespace

class SimProgramTest : public QObject {
    Q_OBJECT
private slots:
    void runsHeadlessAndTakesScriptingCommands()
    {
        QVERIFY2(QFile::exists(simulator()), qPrintable(simulator()));
        const quint16 namePort = freeLocalPort();
        QProcess sim;
        sim.start(simulator(), {"--headless", "--version", "3.7", "--name-server", QString::number(namePort)});
        QVERIFY(sim.waitForStarted());
        Output out(sim);
        QVERIFY2(out.waitFor(QStringLiteral("name server on")), qPrintable(out.seen));
        QVERIFY(out.seen.contains(QStringLiteral("logins in clear) listening on ws://127.0.0.1:9000/")));

        QNetworkAccessManager http;
        QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1/orbeo/authEndpoint.php").arg(namePort)));
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-www-form-urlencoded"));
        QNetworkReply *reply = http.post(request, QByteArrayLiteral("getRobVer=simbot"));
        QSignalSpy finished(reply, &QNetworkReply::finished);
        QVERIFY(finished.wait(5000));
        QCOMPARE(reply->readAll(), QByteArray("3.7"));
        reply->deleteLater();

        WebSocketController controller;
        QVERIFY(controller.open());
        controller.send(QStringLiteral("Uoperator:vindra:3.2:0:500"));
        QTRY_COMPARE(controller.received.value(0), QStringLiteral("AUTH:1:100:TRUE:M3-2AA3.71:78:1"));

        sim.write("say-z\n");
        QTRY_VERIFY(controller.received.contains(QStringLiteral("Z")));
        sim.write("pose\n");
        QVERIFY2(out.waitFor(QStringLiteral("pose 1.500 1.500 0.0\n")), qPrintable(out.seen));
        QVERIFY(out.seen.contains(QStringLiteral("#1 < Uoperator:***:3.2:0:500\n")));
        QVERIFY(out.seen.contains(QStringLiteral("#1 > Z\n")));

        sim.write("quit\n");
        QVERIFY(sim.waitForFinished(5000));
        QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
        QCOMPARE(sim.exitCode(), 0);
    }

    void refusesAWrongCommandLine()
    {
        QProcess sim;
        sim.start(simulator(), {"--headless", "--model", "M:3"});
        QVERIFY(sim.waitForFinished(5000));
        QCOMPARE(sim.exitCode(), 2);
        QVERIFY(sim.readAllStandardError().contains("--model"));
    }
};

QTEST_GUILESS_MAIN(SimProgramTest)
#include "SimProgramTest.moc"
