#include "paths/NameServer.h"

#include "link/LinkError.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <memory>

namespace {

const QString DefaultMakerServer = QStringLiteral("http://www.quorvelbot.com");
const QString EndpointPath = QStringLiteral("/orbeo/authEndpoint.php");
const QByteArray UserAgent = "Mozilla/5.0 (Windows NT 6.1; WOW64; rv:12.0) Gecko/20100101 Firefox/12.0";
const QByteArray AcceptedTypes = "text/html, */*";

bool isBlankOrControl(QChar ch) { return ch.unicode() <= 0x20; }

QString trimBlanksAndControls(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlankOrControl(text[begin]))
        ++begin;
    while (end > begin && isBlankOrControl(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

// application/x-www-form-urlencoded: letters, digits and "*-._" stay, a blank
// becomes "+", every other byte of the UTF-8 text is %-escaped.
QByteArray formValue(const QString &value)
{
    return QUrl::toPercentEncoding(value, "* ", "~").replace(' ', '+');
}

// Keeps the operator's clicks and keys from every window while it lives. Unlike
// a loop that leaves out input events, it lets a request to close a window
// through, since the window system counts that as input too.
class InputHold : public QObject {
public:
    InputHold() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputHold() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override { return event->isInputEvent(); }
};

} // namespace

QUrl makerServerUrl(const QString &path)
{
    QString base = qEnvironmentVariable("QUORVELBOT_SERVER");
    if (base.isEmpty())
        base = DefaultMakerServer;
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return QUrl(base + path);
}

bool isUsableNameServerReply(const QString &reply)
{
    return reply.compare(QLatin1String("ERROR"), Qt::CaseInsensitive) != 0 && reply.size() >= 2;
}

QString NameServer::askAddress(const QString &baseName)
{
    return ask("getIP=", baseName);
}

QString NameServer::askVersion(const QString &baseName)
{
    return ask("getRobVer=", baseName);
}

void NameServer::abandon()
{
    if (!pending)
        return;
    abandoned = true;
    pending->abort();
}

QString NameServer::ask(const QByteArray &field, const QString &baseName)
{
    QNetworkRequest request(makerServerUrl(EndpointPath));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/x-www-form-urlencoded"));
    request.setHeader(QNetworkRequest::UserAgentHeader, UserAgent);
    request.setRawHeader("Accept", AcceptedTypes);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    if (!http)
        http = std::make_unique<QNetworkAccessManager>();
    const std::unique_ptr<QNetworkReply> reply(http->post(request, field + formValue(baseName)));

    QEventLoop waiting;
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer); // a coarse timer may end the wait early
    bool timedOut = false;
    QObject::connect(reply.get(), &QNetworkReply::finished, &waiting, &QEventLoop::quit);
    QObject::connect(&limit, &QTimer::timeout, reply.get(), [&] {
        timedOut = true;
        reply->abort();
    });
    limit.start(answerLimit);
    abandoned = false;
    if (!reply->isFinished()) {
        // The window must not take a second click while the sign-in waits here.
        const InputHold hold;
        pending = reply.get();
        waiting.exec();
        pending = nullptr;
    }
    // The loop also ends when the application quits; an unfinished request is
    // a failure then, not an empty answer.
    if (!reply->isFinished())
        reply->abort();

    if (abandoned)
        throw Abandoned{};
    if (timedOut)
        throw LinkError(QStringLiteral("The name server did not answer within %1 seconds")
                            .arg(QString::number(answerLimit / 1000.0)));
    if (reply->error() != QNetworkReply::NoError)
        throw LinkError(reply->errorString());
    return trimBlanksAndControls(QString::fromUtf8(reply->readAll()));
}
