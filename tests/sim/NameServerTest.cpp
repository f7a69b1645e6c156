#include "NameServer.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSignalSpy>
#include <QTest>

namespace {

struct Answer {
    int status = 0;
    QByteArray body;
};

Answer ask(const NameServer &server, const QByteArray &method, const QString &path, const QByteArray &form)
{
    QNetworkAccessManager http;
    QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server.port()).arg(path)));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-www-form-urlencoded"));
    request.setTransferTimeout(5000);
    QNetworkReply *reply = http.sendCustomRequest(request, method, form);
    QSignalSpy finished(reply, &QNetworkReply::finished);
    if (!finished.wait(5000))
        return {};
    const Answer answer{reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll()};
    reply->deleteLater();
    return answer;
}

} // namespace

class NameServerTest : public QObject {
    Q_OBJECT
private slots:
    void answersForItsOwnName_data()
    {
        QTest::addColumn<QByteArray>("form");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("address") << QByteArray("getIP=simbot") << QByteArray("127.0.0.1");
        QTest::newRow("version") << QByteArray("getRobVer=simbot") << QByteArray("3.71");
        QTest::newRow("other letter case") << QByteArray("getIP=SimBot") << QByteArray("127.0.0.1");
        QTest::newRow("percent-encoded") << QByteArray("getRobVer=sim%62ot") << QByteArray("3.71");
        QTest::newRow("another robot's address") << QByteArray("getIP=lab-robot") << QByteArray("ERROR");
        QTest::newRow("another robot's version") << QByteArray("getRobVer=lab-robot") << QByteArray("ERROR");
        QTest::newRow("no name") << QByteArray("getIP=") << QByteArray("ERROR");
        QTest::newRow("no known field") << QByteArray("getName=simbot") << QByteArray("ERROR");
        QTest::newRow("empty form") << QByteArray() << QByteArray("ERROR");
    }
    void answersForItsOwnName()
    {
        QFETCH(QByteArray, form);
        QFETCH(QByteArray, reply);
        NameServer server(QStringLiteral("simbot"), QStringLiteral("127.0.0.1"), QStringLiteral("3.71"));
        QVERIFY(server.listen(0));
        const Answer answer = ask(server, "POST", QStringLiteral("/orbeo/authEndpoint.php"), form);
        QCOMPARE(answer.status, 200);
        QCOMPARE(answer.body, reply);
    }

    void refusesOtherRequests_data()
    {
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("status");
        QTest::newRow("another path") << QByteArray("POST") << "/orbeo/other.php" << 404;
        QTest::newRow("a GET") << QByteArray("GET") << "/orbeo/authEndpoint.php" << 405;
    }
    void refusesOtherRequests()
    {
        QFETCH(QByteArray, method);
        QFETCH(QString, path);
        QFETCH(int, status);
        NameServer server(QStringLiteral("simbot"), QStringLiteral("127.0.0.1"), QStringLiteral("3.71"));
        QVERIFY(server.listen(0));
        QCOMPARE(ask(server, method, path, method == "GET" ? QByteArray() : QByteArray("getIP=simbot")).status, status);
    }
};

QTEST_GUILESS_MAIN(NameServerTest)
#include "NameServerTest.moc"
