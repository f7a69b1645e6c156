#include "dialogs/UpdateCheck.h"

#include "dialogs/VersionCheck.h"
#include "link/RobotLink.h"
#include "paths/NameServer.h"
#include "platform/MessageBoxes.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

const QString UpdateCheck::ControllerFile = QStringLiteral("/downloads/QuorvelBotVindraController.txt");
const QString UpdateCheck::RobotFile = QStringLiteral("/downloads/quorvelbotVindra.txt");

UpdateCheck::UpdateCheck(RobotLink &link, int answerLimitMs, QObject *parent)
    : QObject(parent), link(link), answerLimit(answerLimitMs)
{
}

void UpdateCheck::GetInetFileIndy(const QString &path, Downloaded done)
{
    QNetworkRequest request(makerServerUrl(path));
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArray("QuorvelBotController"));
    request.setRawHeader("Connection", "Keep-Alive");
    request.setRawHeader("Proxy-Connection", "Keep-Alive");
    request.setRawHeader("Cache-Control", "no-cache");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    if (!http)
        http = std::make_unique<QNetworkAccessManager>();
    QNetworkReply *reply = http->get(request);

    auto *limit = new QTimer(reply);
    limit->setSingleShot(true);
    limit->setTimerType(Qt::PreciseTimer);
    connect(limit, &QTimer::timeout, reply, &QNetworkReply::abort);
    limit->start(answerLimit);
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64 total) {
        if (received > LargestFileBytes || total > LargestFileBytes)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [reply, done = std::move(done)] {
        reply->deleteLater();
        const QByteArray body = reply->readAll();
        if (reply->error() != QNetworkReply::NoError || body.size() > LargestFileBytes)
            done(std::nullopt);
        else
            done(body);
    });
}

void UpdateCheck::begin()
{
    if (checksRunning++ == 0)
        emit checkingChanged(true);
}

void UpdateCheck::end()
{
    if (--checksRunning == 0)
        emit checkingChanged(false);
}

void UpdateCheck::checkforUpdates(std::function<void()> then)
{
    begin();
    GetInetFileIndy(ControllerFile, [this, then = std::move(then)](const std::optional<QByteArray> &body) {
        if (!body) {
            link.showBox({QStringLiteral("Error contacting update server"), QStringLiteral("Error Message")});
        } else {
            const QString notice = controllerUpdateNotice(RobotLink::ControllerVersion, publishedVersion(*body));
            if (!notice.isEmpty())
                link.showBox({notice, QStringLiteral("Updates"), BoxIcon::Warning});
        }
        end();
        if (then)
            then();
    });
}

void UpdateCheck::checkOnDemand()
{
    if (isChecking())
        return;
    begin();
    GetInetFileIndy(ControllerFile, [this](const std::optional<QByteArray> &body) {
        ManualUpdateCheck check;
        check.controllerVersion = RobotLink::ControllerVersion;
        if (body)
            check.publishedController = publishedVersion(*body);
        else
            showConnectionError();
        check.inSession = link.linkState.inSession;
        if (!check.inSession) {
            report(check);
            return;
        }
        check.robotVersion = robotApplicationVersion(link.linkState.robotModel);
        GetInetFileIndy(RobotFile, [this, check](const std::optional<QByteArray> &robotBody) mutable {
            if (robotBody)
                check.publishedRobot = publishedVersion(*robotBody);
            else
                showConnectionError();
            report(check);
        });
    });
}

void UpdateCheck::showConnectionError()
{
    link.showBox({QStringLiteral("Error Contacting Server"), QStringLiteral("Error Message")});
}

void UpdateCheck::report(const ManualUpdateCheck &check)
{
    const QString text = manualUpdateReport(check);
    if (!text.isEmpty())
        link.showBox({text, QStringLiteral("Updates"), BoxIcon::Warning});
    end();
}
