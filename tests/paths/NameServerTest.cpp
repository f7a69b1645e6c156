#include "paths/NameServer.h"

#include "link/LinkError.h"

#include "FakeWebServer.h"

#include <QElapsedTimer>
#include <QMap>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>

namespace {

// The text of the LinkError that call raises; a null text when it raised none.
QString raisedText(const std::function<void()> &call)
{
    try {
        call();
    } catch (const LinkError &error) {
        return error.message();
    }
    return {};
}

const QByteArray EndpointPath = "/orbeo/authEndpoint.php";

} // namespace

class NameServerTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { qunsetenv("QUORVELBOT_SERVER"); }

    void endpointFollowsTheServerSetting_data()
    {
        QTest::addColumn<QByteArray>("setting");
        QTest::addColumn<QString>("endpoint");
        QTest::newRow("unset") << QByteArray() << "http://www.quorvelbot.com/orbeo/authEndpoint.php";
        QTest::newRow("local server") << QByteArray("http://127.0.0.1:8080")
                                      << "http://127.0.0.1:8080/orbeo/authEndpoint.php";
        QTest::newRow("trailing slash") << QByteArray("http://127.0.0.1:8080/")
                                        << "http://127.0.0.1:8080/orbeo/authEndpoint.php";
    }
    void endpointFollowsTheServerSetting()
    {
        QFETCH(QByteArray, setting);
        QFETCH(QString, endpoint);
        if (!setting.isNull())
            qputenv("QUORVELBOT_SERVER", setting);
        QCOMPARE(makerServerUrl(QString::fromLatin1(EndpointPath)), QUrl(endpoint));
    }

    void queryPostsTheForm_data()
    {
        QTest::addColumn<bool>("askVersion");
        QTest::addColumn<QString>("baseName");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("address") << false << "lab-robot" << QByteArray("getIP=lab-robot") << QByteArray("10.0.0.7");
        QTest::newRow("address, encoded") << false << "lab robot&1" << QByteArray("getIP=lab+robot%261")
                                          << QByteArray("10.0.0.7");
        QTest::newRow("version, encoded") << true << "lab robot&1" << QByteArray("getRobVer=lab+robot%261")
                                          << QByteArray("3.7");
        QTest::newRow("version, non-ASCII") << true << QString::fromUtf8("B\u00fcro=2+3")
                                            << QByteArray("getRobVer=B%C3%BCro%3D2%2B3") << QByteArray("3.71");
    }
    void queryPostsTheForm()
    {
        QFETCH(bool, askVersion);
        QFETCH(QString, baseName);
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, answer);
        FakeWebServer web;
        web.answer = [&](const HttpRequest &) { return HttpAnswer{200, answer, {}}; };
        QVERIFY(web.listen());
        qputenv("QUORVELBOT_SERVER", web.address());

        NameServer names;
        const QString reply = askVersion ? names.askVersion(baseName) : names.askAddress(baseName);

        QCOMPARE(reply, QString::fromLatin1(answer));
        QCOMPARE(web.requests.size(), 1);
        const HttpRequest &request = web.requests.first();
        QCOMPARE(request.method, QByteArray("POST"));
        QCOMPARE(request.path, EndpointPath);
        QCOMPARE(request.headers.value("content-type"), QByteArray("application/x-www-form-urlencoded"));
        QCOMPARE(request.headers.value("user-agent"),
                 QByteArray("Mozilla/5.0 (Windows NT 6.1; WOW64; rv:12.0) Gecko/20100101 Firefox/12.0"));
        QCOMPARE(request.headers.value("accept"), QByteArray("text/html, */*"));
        QCOMPARE(request.body, body);
    }

    void replyIsTrimmed_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("reply");
        QTest::newRow("blanks and line end") << QByteArray("  error \r\n") << "error";
        QTest::newRow("control characters") << QByteArray("\x01\t3.71\0\n", 8) << "3.71";
        QTest::newRow("inner blank kept") << QByteArray(" lab robot ") << "lab robot";
        QTest::newRow("nothing") << QByteArray(" \r\n") << "";
    }
    void replyIsTrimmed()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, reply);
        FakeWebServer web;
        web.answer = [&](const HttpRequest &) { return HttpAnswer{200, body, {}}; };
        QVERIFY(web.listen());
        qputenv("QUORVELBOT_SERVER", web.address());
        NameServer names;
        QCOMPARE(names.askAddress(QStringLiteral("lab-robot")), reply);
    }

    void replyRules_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<bool>("usable");
        QTest::newRow("ERROR") << "ERROR" << false;
        QTest::newRow("error") << "error" << false;
        QTest::newRow("Error") << "Error" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("one character") << "7" << false;
        QTest::newRow("two characters") << "ab" << true;
        QTest::newRow("address") << "192.168.1.20" << true;
        QTest::newRow("version") << "3.7" << true;
        QTest::newRow("longer than ERROR") << "ERRORS" << true;
    }
    void replyRules()
    {
        QFETCH(QString, reply);
        QFETCH(bool, usable);
        QCOMPARE(isUsableNameServerReply(reply), usable);
    }

    void httpErrorStatusRaises_data()
    {
        QTest::addColumn<int>("status");
        QTest::newRow("500") << 500;
        QTest::newRow("404") << 404;
    }
    void httpErrorStatusRaises()
    {
        QFETCH(int, status);
        FakeWebServer web;
        web.answer = [&](const HttpRequest &) { return HttpAnswer{status, "10.0.0.7", {}}; };
        QVERIFY(web.listen());
        qputenv("QUORVELBOT_SERVER", web.address());
        NameServer names;
        const QString error = raisedText([&] { names.askAddress(QStringLiteral("lab-robot")); });
        QVERIFY2(!error.isEmpty() && !error.contains(QLatin1String("10.0.0.7")), qPrintable(error));
    }

    void refusedConnectionRaises()
    {
        quint16 closedPort = 0;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost));
            closedPort = probe.serverPort();
        }
        qputenv("QUORVELBOT_SERVER", "http://127.0.0.1:" + QByteArray::number(closedPort));
        NameServer names;
        QCOMPARE(raisedText([&] { names.askVersion(QStringLiteral("lab-robot")); }),
                 QStringLiteral("Connection refused"));
    }

    void silentServerRaisesAfterTheLimit()
    {
        QCOMPARE(NameServer().answerLimitMs(), 10000);

        FakeWebServer web;
        web.answer = [](const HttpRequest &) { return std::nullopt; };
        QVERIFY(web.listen());
        qputenv("QUORVELBOT_SERVER", web.address());
        NameServer names(300);
        QElapsedTimer waited;
        waited.start();
        const QString error = raisedText([&] { names.askAddress(QStringLiteral("lab-robot")); });
        QCOMPARE(error, QStringLiteral("The name server did not answer within 0.3 seconds"));
        QVERIFY(waited.elapsed() >= 300 && waited.elapsed() < 5000);
        QCOMPARE(web.requests.size(), 1);
    }

    void abandoningEndsTheWaitAtOnce()
    {
        FakeWebServer web;
        web.answer = [](const HttpRequest &) { return std::nullopt; };
        QVERIFY(web.listen());
        qputenv("QUORVELBOT_SERVER", web.address());
        NameServer names;
        QVERIFY(!names.isWaiting());
        names.abandon(); // nothing waits: nothing happens
        bool waitingSeen = false;
        QTimer::singleShot(100, [&] {
            waitingSeen = names.isWaiting();
            names.abandon();
        });
        QElapsedTimer waited;
        waited.start();
        bool abandoned = false;
        try {
            names.askAddress(QStringLiteral("lab-robot"));
        } catch (const NameServer::Abandoned &) {
            abandoned = true;
        }
        QVERIFY(abandoned && waitingSeen);
        QVERIFY(waited.elapsed() < names.answerLimitMs() / 2);
        QVERIFY(!names.isWaiting());
        // the next query is a query like any other
        web.answer = [](const HttpRequest &) { return HttpAnswer{200, "3.7", {}}; };
        QCOMPARE(names.askVersion(QStringLiteral("lab-robot")), QStringLiteral("3.7"));
    }

    void theWaitTakesNoInputButLetsAWindowClose()
    {
        FakeWebServer web;
        web.answer = [](const HttpRequest &) { return std::nullopt; };
        QVERIFY(web.listen());
        qputenv("QUORVELBOT_SERVER", web.address());
        QWidget window;
        auto *button = new QPushButton(QStringLiteral("Sign In"), &window);
        int clicks = 0;
        connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
        window.show();
        NameServer names;
        QTimer::singleShot(100, [&] {
            QTest::mouseClick(button, Qt::LeftButton);
            QTest::keyClick(button, Qt::Key_Space);
            window.close();
            names.abandon();
        });
        try {
            names.askVersion(QStringLiteral("lab-robot"));
        } catch (const NameServer::Abandoned &) {
        }
        QCOMPARE(clicks, 0);
        QVERIFY(!window.isVisible());
        window.show();
        QTest::mouseClick(button, Qt::LeftButton); // taken again once the wait is over
        QCOMPARE(clicks, 1);
    }

    void cookiesAreSentBack()
    {
        FakeWebServer web;
        web.answer = [](const HttpRequest &) { return HttpAnswer{200, "3.7", "Set-Cookie: visit=42; Path=/\r\n"}; };
        QVERIFY(web.listen());
        qputenv("QUORVELBOT_SERVER", web.address());
        NameServer names;
        names.askVersion(QStringLiteral("lab-robot"));
        names.askAddress(QStringLiteral("lab-robot"));
        QCOMPARE(web.requests.size(), 2);
        QCOMPARE(web.requests[1].headers.value("cookie"), QByteArray("visit=42"));
    }

    void redirectIsFollowed()
    {
        FakeWebServer web;
        web.answer = [](const HttpRequest &request) {
            if (request.path == EndpointPath)
                return HttpAnswer{302, {}, "Location: /orbeo/moved.php\r\n"};
            return HttpAnswer{200, "10.0.0.7", {}};
        };
        QVERIFY(web.listen());
        qputenv("QUORVELBOT_SERVER", web.address());
        NameServer names;
        QCOMPARE(names.askAddress(QStringLiteral("lab-robot")), QStringLiteral("10.0.0.7"));
        QCOMPARE(web.requests.size(), 2);
        QCOMPARE(web.requests[1].path, QByteArray("/orbeo/moved.php"));
    }
};

QTEST_MAIN(NameServerTest)
#include "NameServerTest.moc"
