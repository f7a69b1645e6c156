// Sign-in: the operator's choice of robot and credentials turned into a
// running session, the watchdog that ends a silent attempt and drives the
// "Auto" fall-back, the login message, and the start of the session.
#include "ui/TForm2.h"

#include "contacts/ContactFile.h"
#include "link/LinkError.h"
#include "link/Numbers.h"
#include "paths/ControlPath.h"
#include "paths/NameServer.h"
#include "platform/AnsiText.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

constexpr double LastPlainLoginVersion = 3.7;
constexpr qint64 CloudConfigMinimumBytes = 100;

// The robot compares digests of the 7-bit ASCII bytes of what was typed.
QString md5Hex(const QString &text)
{
    return QString::fromLatin1(QCryptographicHash::hash(toAscii7(text), QCryptographicHash::Md5).toHex());
}

BoxRequest errorDialog(const QString &text)
{
    return {text, QStringLiteral("Error"), BoxIcon::Error};
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

void TForm2::SignInClick()
{
    statusBarDisplay(QStringLiteral("Logging on to the robot..."), false);
    linkState.autoFallback = false;
    if (ListBox1->count() == 0) {
        showBox(errorDialog(QStringLiteral("Add a QuorvelBot to the QuorvelBot contact list before signing in")));
        return;
    }
    if (UserName->text().isEmpty() || PassWord->text().isEmpty()) {
        showBox(errorDialog(QStringLiteral("Enter a Username and Password before continuing")));
        return;
    }
    SignIn->setEnabled(false);
    linkState.lastPingTime = platform.clock->localMsecs();

    const QList<QListWidgetItem *> selected = ListBox1->selectedItems();
    const int index = selected.isEmpty() ? -1 : ListBox1->row(selected.first());
    if (index < 0 || index >= contactList.count) {
        showBox(errorDialog(QStringLiteral("No QuorvelBot selected")));
        SignIn->setEnabled(true);
        return;
    }
    contactList.lastSelected = index + 1;
    selectedContact().savedUserName = UserName->text();
    selectedContact().savedPassword = PassWord->text();
    // Credentials the list file cannot hold are saved empty, so the reload
    // leaves the typed texts in the fields and the login sends them whole.
    const bool forgotten = contactList.rememberMe && !credentialsFit(selectedContact());
    reloadBotFile(-1);
    if (forgotten)
        statusBarDisplay(QStringLiteral("Credentials not remembered: the list cannot store them"), true);

    const RobotContact robot = selectedContact();
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
        showBox(errorDialog(QStringLiteral("Selected transport method is no longer supported.\r\n"
                                           "Delete contact and re-add it with a different control path option. ")));
        restart();
    }
}

void TForm2::Timer3Timer()
{
    Timer3->stop();
    if (linkState.sessionOpen) {
        // the login was accepted, but the watchdog ran again and no answer came
        showBox(errorDialog(QStringLiteral("Could not establish a call to Vindra Head\r\n"
                                           "Manually establish a call to Vindra Head first and login in to the Robot")));
    } else if (linkState.autoFallback) {
        const QString description = selectedContact().description;
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
            if (config.dir().exists() && config.isFile() && config.size() > CloudConfigMinimumBytes)
                loginUsingQCS(description);
            else
                Timer3Timer();
        }
        return;
    } else {
        statusBarDisplay(QStringLiteral("Could not find QuorvelBot, check QuorvelBot"), true);
    }
    restart();
    SignIn->setText(QStringLiteral("Sign In"));
}

QString TForm2::getLoginString(int loginType) const
{
    const bool plain = loginType == 1;
    const QString user = plain ? UserName->text() : md5Hex(UserName->text());
    const QString password = plain ? PassWord->text() : md5Hex(PassWord->text());
    return QStringLiteral("U") + user + u':' + password + u':' + revNo->text() + u':'
           + QString::number(settings.speedToMute * 10) + u':' + QString::number(settings.driveTimeOut);
}

void TForm2::callAnswered()
{
    enableDriveView();
    // bottom of the screen, centred, a little above its lower edge
    const QRect area = screen()->geometry();
    const QRect frame = frameGeometry();
    move(area.x() + roundToEven(area.width() / 2.0) - roundToEven(frame.width() / 2.0),
         area.y() + area.height() - frame.height() - roundToEven(30 * displayScale));
    linkState.inSession = true;
    updateAboutPage();
    commandTimeOutTimer->start();
    sendData(QString::asprintf("XE%.2d0000", settings.accelSetting), 0);
    statusBarDisplay(QStringLiteral("Logged in via ") + pathDisplayName(linkState.pathAttempt), true);
}
