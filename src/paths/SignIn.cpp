// Sign-in: the operator's choice of robot and credentials turned into a
// running session, the watchdog that ends a silent attempt and drives the
// "Auto" fall-back, the login message, and the start of the session.
#include "link/RobotLink.h"

#include "contacts/CloudCredentials.h"
#include "contacts/RobotList.h"
#include "dialogs/FileSize.h"
#include "link/LinkError.h"
#include "link/Numbers.h"
#include "paths/ControlPath.h"
#include "paths/NameServer.h"
#include "platform/AnsiText.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "settings/ControllerSettings.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>

namespace {

constexpr double LastPlainLoginVersion = 3.7;

// The cloud companion can reach a robot whose fetched credentials file is
// there, readable and long enough.
bool hasCloudConfig(const QString &path)
{
    try {
        return isUsableCloudConfig(GetFileSize(path));
    } catch (const LinkError &) {
        return false;
    }
}

// The robot compares digests of the 7-bit ASCII bytes of what was typed.
QString md5Hex(const QString &text)
{
    return QString::fromLatin1(QCryptographicHash::hash(toAscii7(text), QCryptographicHash::Md5).toHex());
}

// Robot software up to 3.7 takes the credentials in clear; later versions,
// and a version we cannot read, take their digests.
int loginTypeFor(const QString &versionReply)
{
    if (!isUsableNameServerReply(versionReply))
        return 0;
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double version = locale.toDouble(versionReply, &ok);
    return ok && version <= LastPlainLoginVersion ? 1 : 0;
}

} // namespace

void RobotLink::signIn(const QString &userName, const QString &password)
{
    // Closing the window abandons a name-server query the sign-in waits for:
    // the sign-in stops there. The error goes no further, since no window
    // system code between here and the event loop is built to pass it on.
    try {
        signInSteps(userName, password);
    } catch (const NameServer::Abandoned &) {
    }
}

void RobotLink::signInSteps(const QString &userName, const QString &password)
{
    this->userName = userName;
    this->password = password;
    linkState.lastPingTime = platform.clock->localMsecs();
    const RobotContact robot = robots.selectedContact();
    QString version;
    try {
        version = IdHTTP1->askVersion(robot.baseName);
    } catch (const std::exception &error) {
        showMessage(errorText(error));
    }
    linkState.loginType = loginTypeFor(version);

    const QString key = robot.controlPathKey;
    const auto is = [&key](ControlPath path) { return key.compare(contactKey(path), Qt::CaseInsensitive) == 0; };
    if (is(ControlPath::CloudService)) {
        linkState.pathAttempt = int(ControlPath::CloudService);
        loginUsingQCS(robot.description);
    } else if (is(ControlPath::DirectSocket)) {
        linkState.pathAttempt = int(ControlPath::DirectSocket);
        loginUsingDirectSocket(robot.description);
    } else if (is(ControlPath::WebRTC)) {
        linkState.pathAttempt = int(ControlPath::WebRTC);
        loginUsingWebRTC(robot.description);
    } else if (is(ControlPath::Auto)) {
        linkState.pathAttempt = int(AutoOrder.front());
        linkState.autoFallback = true;
        Timer3->stop();
        loginUsingDirectSocket(robot.description);
    } else {
        showBox(errorBox(QStringLiteral("Selected transport method is no longer supported.\r\n"
                                           "Delete contact and re-add it with a different control path option. ")));
        restart();
    }
}

void RobotLink::Timer3Timer()
{
    Timer3->stop();
    if (linkState.sessionOpen) {
        // the login was accepted, but the watchdog ran again and no answer came
        showBox(errorBox(QStringLiteral("Could not establish a call to Vindra Head\r\n"
                                           "Manually establish a call to Vindra Head first and login in to the Robot")));
    } else if (linkState.autoFallback) {
        const QString description = robots.selectedContact().description;
        const std::optional<ControlPath> next = nextAutoPath(linkState.pathAttempt);
        if (next)
            linkState.pathAttempt = int(*next);
        if (next == ControlPath::WebRTC) {
            loginUsingWebRTC(description);
        } else if (next == ControlPath::CloudService) {
            endWebRtcCompanion(); // the WebRTC attempt is over: its companion goes
            // the cloud service only for a robot whose credentials were fetched
            linkState.autoFallback = false;
            const QFileInfo config(QDir(applicationFolder).filePath(QStringLiteral("Data/%1/config.py").arg(description)));
            if (config.dir().exists() && hasCloudConfig(config.filePath()))
                loginUsingQCS(description);
            else
                Timer3Timer();
        }
        return;
    } else {
        statusBarDisplay(QStringLiteral("Could not find QuorvelBot, check QuorvelBot"), true);
    }
    restart();
}

QString RobotLink::getLoginString(int loginType) const
{
    const bool plain = loginType == 1;
    const QString user = plain ? userName : md5Hex(userName);
    const QString secret = plain ? password : md5Hex(password);
    return QStringLiteral("U") + user + u':' + secret + u':' + ControllerVersion + u':'
           + QString::number(settings.speedToMute * 10) + u':' + QString::number(settings.driveTimeOut);
}

void RobotLink::callAnswered()
{
    emit sessionStarting(); // the drive view opens
    linkState.inSession = true;
    emit robotFactsChanged();
    commandTimeOutTimer->start();
    sendData(QString::asprintf("XE%.2d0000", settings.accelSetting), 0);
    statusBarDisplay(QStringLiteral("Logged in via ") + pathDisplayName(linkState.pathAttempt), true);
}
