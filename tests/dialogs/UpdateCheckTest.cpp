#include "dialogs/UpdateCheck.h"

#include "FakeWebServer.h"
#include "LinkFixture.h"
#include "UpdateTexts.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace updateTexts;

namespace {

const QByteArray ControllerPath = "/downloads/QuorvelBotVindraController.txt";
const QByteArray RobotPath = "/downloads/quorvelbotVindra.txt";
constexpr int ShortLimitMs = 600;

// The maker's web server as QUORVELBOT_SERVER names it, publishing the two
// version files: "404" answers that status, "silent" never answers.
struct MakerServer {
    FakeWebServer web;
    QByteArray controller;
    QByteArray robot;

    MakerServer(const QByteArray &controllerFile, const QByteArray &robotFile)
        : controller(controllerFile), robot(robotFile)
    {
        web.answer = [this](const HttpRequest &request) -> std::optional<HttpAnswer> {
            const QByteArray &file = request.path == ControllerPath ? controller : robot;
            if (file == "silent")
                return std::nullopt;
            if (file == "404" || (request.path != ControllerPath && request.path != RobotPath))
                return HttpAnswer{404, "not here", {}};
            return HttpAnswer{200, file, {}};
        };
        if (web.listen())
            qputenv("QUORVELBOT_SERVER", web.address());
    }
    QList<QByteArray> paths() const
    {
        QList<QByteArray> list;
        for (const HttpRequest &request : web.requests)
            list << request.path;
        return list;
    }
};

struct Download {
    bool done = false;
    std::optional<QByteArray> body;
};

void waitForTheCheck(UpdateCheck &check)
{
    QTRY_VERIFY_WITH_TIMEOUT(!check.isChecking(), 5000);
}

} // namespace

class UpdateCheckTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { qunsetenv("QUORVELBOT_SERVER"); }

    void answersWithinTenSeconds()
    {
        LinkFixture f;
        QCOMPARE(UpdateCheck(f.link).answerLimitMs(), 10000);
    }

    void requestCarriesTheHeaders()
    {
        MakerServer server("3.3\r\n", "3.9");
        LinkFixture f;
        UpdateCheck check(f.link);
        Download d;
        check.GetInetFileIndy(QString::fromLatin1(ControllerPath), [&](const std::optional<QByteArray> &body) {
            d = {true, body};
        });
        QTRY_VERIFY(d.done);
        QCOMPARE(d.body, std::optional<QByteArray>("3.3\r\n"));
        QCOMPARE(server.web.requests.size(), 1);
        const HttpRequest &request = server.web.requests[0];
        QCOMPARE(request.method, QByteArray("GET"));
        QCOMPARE(request.path, ControllerPath);
        QCOMPARE(request.headers.value("user-agent"), QByteArray("QuorvelBotController"));
        QCOMPARE(request.headers.value("connection").toLower(), QByteArray("keep-alive"));
        QCOMPARE(request.headers.value("proxy-connection"), QByteArray("Keep-Alive"));
        QCOMPARE(request.headers.value("cache-control"), QByteArray("no-cache"));
    }

    void download_data()
    {
        QTest::addColumn<int>("status"); // 0: the server never answers
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("extraHeaders");
        QTest::addColumn<bool>("received");
        QTest::newRow("found") << 200 << QByteArray("3.3") << QByteArray() << true;
        QTest::newRow("empty file") << 200 << QByteArray() << QByteArray() << true;
        QTest::newRow("not found") << 404 << QByteArray("3.3") << QByteArray() << false;
        QTest::newRow("server error") << 500 << QByteArray() << QByteArray() << false;
        QTest::newRow("no answer, given up") << 0 << QByteArray() << QByteArray() << false;
        QTest::newRow("far too long for a version") << 200 << QByteArray(100 * 1024, 'x') << QByteArray() << false;
        QTest::newRow("redirect followed")
            << 302 << QByteArray() << QByteArray("Location: /moved/version.txt\r\n") << true;
    }
    void download()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, extraHeaders);
        QFETCH(bool, received);
        FakeWebServer web;
        web.answer = [&](const HttpRequest &request) -> std::optional<HttpAnswer> {
            if (request.path == "/moved/version.txt")
                return HttpAnswer{200, "3.4", {}};
            if (status == 0)
                return std::nullopt;
            return HttpAnswer{status, body, extraHeaders};
        };
        QVERIFY(web.listen());
        qputenv("QUORVELBOT_SERVER", web.address());
        LinkFixture f;
        UpdateCheck check(f.link, ShortLimitMs);

        Download d;
        QElapsedTimer clock;
        clock.start();
        check.GetInetFileIndy(QString::fromLatin1(ControllerPath), [&](const std::optional<QByteArray> &b) {
            d = {true, b};
        });
        QVERIFY(!d.done); // the download goes on while the window keeps working
        QTRY_VERIFY_WITH_TIMEOUT(d.done, 5000);
        QCOMPARE(d.body.has_value(), received);
        if (received)
            QCOMPARE(*d.body, status == 302 ? QByteArray("3.4") : body);
        if (status == 0) // given up at the limit, not before, not long after
            QVERIFY2(clock.elapsed() >= ShortLimitMs - 50 && clock.elapsed() < ShortLimitMs + 1500,
                     qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(web.requests.size(), status == 302 ? 2 : 1);
    }

    void windowKeepsWorkingWhileTheServerIsSilent()
    {
        MakerServer server("silent", "silent");
        LinkFixture f;
        UpdateCheck check(f.link, ShortLimitMs);
        bool thenRan = false;
        check.checkforUpdates([&] { thenRan = true; });
        QVERIFY(check.isChecking());
        int ticks = 0;
        QTimer tick;
        connect(&tick, &QTimer::timeout, [&] { ++ticks; });
        tick.start(50);
        QTRY_VERIFY_WITH_TIMEOUT(thenRan, 5000);
        QVERIFY2(ticks >= 5, "events are handled while the download waits");
        QCOMPARE(f.fake.boxes.shown.size(), 1);
        QCOMPARE(f.fake.boxes.shown[0].text, QStringLiteral("Error contacting update server"));
    }

    void startupCheck_data()
    {
        QTest::addColumn<QByteArray>("published");
        QTest::addColumn<QString>("text"); // empty: no box
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("icon");
        QTest::newRow("3.3 is newer") << QByteArray("3.3\r\n") << ControllerNewer << "Updates" << int(BoxIcon::Warning);
        QTest::newRow("same") << QByteArray("3.2\r\n") << ""
                              << "" << 0;
        QTest::newRow("3.10 is not newer") << QByteArray("3.10") << ""
                                           << "" << 0;
        QTest::newRow("trailing blank is newer")
            << QByteArray("3.2 \r\n") << ControllerNewer << "Updates" << int(BoxIcon::Warning);
        QTest::newRow("not found") << QByteArray("404") << "Error contacting update server"
                                   << "Error Message" << int(BoxIcon::None);
        QTest::newRow("no answer") << QByteArray("silent") << "Error contacting update server"
                                   << "Error Message" << int(BoxIcon::None);
    }
    void startupCheck()
    {
        QFETCH(QByteArray, published);
        QFETCH(QString, text);
        MakerServer server(published, "3.9");
        LinkFixture f;
        UpdateCheck check(f.link, ShortLimitMs);
        qsizetype boxesBeforeThen = -1;
        check.checkforUpdates([&] { boxesBeforeThen = f.fake.boxes.shown.size(); });
        waitForTheCheck(check);
        QCOMPARE(boxesBeforeThen, text.isEmpty() ? 0 : 1); // what follows waits for the box
        QCOMPARE(f.fake.boxes.shown.size(), text.isEmpty() ? 0 : 1);
        if (!text.isEmpty()) {
            QCOMPARE(f.fake.boxes.shown[0].text, text);
            QTEST(f.fake.boxes.shown[0].caption, "caption");
            QTEST(int(f.fake.boxes.shown[0].icon), "icon");
        }
        QCOMPARE(server.paths(), QList<QByteArray>{ControllerPath});
    }

    void checkOnDemand_data()
    {
        QTest::addColumn<QByteArray>("controller");
        QTest::addColumn<bool>("inSession");
        QTest::addColumn<QByteArray>("robot");
        QTest::addColumn<int>("errorBoxes");
        QTest::addColumn<QStringList>("report"); // empty: no report
        QTest::newRow("outside a session")
            << QByteArray("3.2") << false << QByteArray("3.9") << 0 << QStringList{ControllerLatest, LogIn};
        QTest::newRow("outside a session, server silent")
            << QByteArray("silent") << false << QByteArray("3.9") << 1 << QStringList{"", LogIn};
        QTest::newRow("both newer") << QByteArray("3.3\r\n") << true << QByteArray("3.9\r\n") << 0
                                    << QStringList{ControllerNewer, RobotNewer};
        QTest::newRow("both latest") << QByteArray("3.2") << true << QByteArray("3.8") << 0
                                     << QStringList{ControllerLatest, RobotLatest};
        QTest::newRow("controller not found")
            << QByteArray("404") << true << QByteArray("3.8") << 1 << QStringList{"", RobotLatest};
        QTest::newRow("robot not found") << QByteArray("3.3") << true << QByteArray("404") << 1
                                         << QStringList{ControllerNewer};
        QTest::newRow("neither found") << QByteArray("404") << true << QByteArray("404") << 2 << QStringList{};
    }
    void checkOnDemand()
    {
        QFETCH(QByteArray, controller);
        QFETCH(bool, inSession);
        QFETCH(QByteArray, robot);
        QFETCH(int, errorBoxes);
        QFETCH(QStringList, report);
        MakerServer server(controller, robot);
        LinkFixture f;
        f.link.linkState.inSession = inSession;
        f.link.linkState.robotModel = QStringLiteral("M3x4AA3.8.1");
        UpdateCheck check(f.link, ShortLimitMs);
        QSignalSpy checking(&check, &UpdateCheck::checkingChanged);
        check.checkOnDemand();
        waitForTheCheck(check);
        QCOMPARE(checking.size(), 2);

        const QList<BoxRequest> &boxes = f.fake.boxes.shown;
        QCOMPARE(boxes.size(), errorBoxes + (report.isEmpty() ? 0 : 1));
        for (int i = 0; i < errorBoxes; ++i) {
            QCOMPARE(boxes[i].text, QStringLiteral("Error Contacting Server"));
            QCOMPARE(boxes[i].caption, QStringLiteral("Error Message"));
        }
        if (!report.isEmpty()) {
            QCOMPARE(boxes.last().text.split(QStringLiteral("\r\n")), report);
            QCOMPARE(boxes.last().caption, QStringLiteral("Updates"));
            QCOMPARE(boxes.last().icon, BoxIcon::Warning);
        }
        // the robot's file only during a session, when it is known
        const QList<QByteArray> fetched =
            inSession ? QList<QByteArray>{ControllerPath, RobotPath} : QList<QByteArray>{ControllerPath};
        QCOMPARE(server.paths(), fetched);
    }

    void oneCheckAtATime()
    {
        MakerServer server("silent", "silent");
        LinkFixture f;
        UpdateCheck check(f.link, ShortLimitMs);
        check.checkOnDemand();
        check.checkOnDemand();
        waitForTheCheck(check);
        QCOMPARE(server.web.requests.size(), 1);
        QCOMPARE(f.fake.boxes.shown.size(), 2); // the error, then the request to log in
    }
};

QTEST_MAIN(UpdateCheckTest)
#include "UpdateCheckTest.moc"
