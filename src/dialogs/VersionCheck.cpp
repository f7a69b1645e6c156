#include "dialogs/VersionCheck.h"

#include "platform/AnsiText.h"

#include <QRegularExpression>

bool isNewerVersion(const QString &localVersion, const QString &publishedVersion)
{
    return localVersion.compare(publishedVersion, Qt::CaseInsensitive) < 0;
}

QString publishedVersion(const QByteArray &fileBody)
{
    const QString text = fromAnsi(fileBody);
    const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    return end < 0 ? text : text.left(end);
}

QString robotApplicationVersion(const QString &robotModel)
{
    return robotModel.mid(6, 3);
}

QString controllerUpdateNotice(const QString &controllerVersion, const QString &publishedControllerVersion)
{
    if (!isNewerVersion(controllerVersion, publishedControllerVersion))
        return {};
    return QStringLiteral("A newer version of the Controller is available. Please visit the support site.");
}

QString manualUpdateReport(const ManualUpdateCheck &check)
{
    const QString crlf = QStringLiteral("\r\n");
    QString report;
    if (check.publishedController) {
        report = controllerUpdateNotice(check.controllerVersion, *check.publishedController);
        if (report.isEmpty())
            report = QStringLiteral("You have the latest Controller Application.");
    }
    if (!check.inSession)
        return report + crlf + QStringLiteral("Login to QuorvelBot to check for Robot Application updates.");
    if (check.publishedRobot) {
        report +=
            crlf + (isNewerVersion(check.robotVersion, *check.publishedRobot)
                        ? QStringLiteral("A newer version of the Robot Application is available. Refer to the user "
                                         "guide for upgrading the Robot Application.")
                        : QStringLiteral("You have the latest Robot Application"));
    }
    return report;
}
