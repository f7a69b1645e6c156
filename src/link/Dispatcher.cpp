// The one entry for messages from the robot, on every path: sign-in answers,
// refusals, the session end, administration answers and the cloud service's
// progress lines. A field that is missing or not a number raises a LinkError
// that ends the message's handling where it is; the delivering path drops it.
#include "link/RobotLink.h"

#include "contacts/RobotList.h"
#include "link/Fields.h"
#include "link/LinkError.h"
#include "link/MessageKind.h"
#include "link/Numbers.h"
#include "link/Stamps.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/Pause.h"
#include "platform/SkypeClient.h"

#include <QTimer>

namespace {

constexpr int MaxLoginResends = 3;
constexpr qint64 ResendSpacingMs = 100;
constexpr int GoodbyePauseMs = 500;
constexpr int CloudLoginWatchdogMs = 10000;

} // namespace

void RobotLink::processIncomingData(const QString &text)
{
    // Any message at all proves the link alive.
    if (commandTimeOutTimer->isActive())
        commandTimeOutTimer->start();

    const MessageKind kind = classifyMessage(text);
    switch (kind) {
    case MessageKind::AdminChannel:
        linkState.adminChannelReply = text.mid(13);
        commandTimeOutTimer->stop();
        break;
    case MessageKind::UserPasswordError:
        Timer3->stop();
        statusBarDisplay(QStringLiteral("Username/Password Error"), true);
        showBox({QStringLiteral("Username/Password Error"), QStringLiteral("Login Error"), BoxIcon::Warning});
        restart();
        break;
    case MessageKind::LowBatteryCallEnd:
        showBox({QStringLiteral("Call ended because low battery was detected at QuorvelBot"), QStringLiteral("Error"),
                 BoxIcon::Warning});
        restart();
        break;
    case MessageKind::Busy:
        Timer3->stop();
        restart(); // the Sign In button is offered again
        statusBarDisplay(QStringLiteral("Busy - Try Again Later"), true);
        commandTimeOutTimer->stop();
        break;
    case MessageKind::SessionEnd:
        endSession();
        break;
    case MessageKind::BoardSerialNumber:
    case MessageKind::WifiRadioCount:
        // A robot that has just (re)started announces itself: log in again if
        // the login is still unanswered.
        loginResendStep();
        robotFact(kind, text);
        break;
    case MessageKind::RobotSerialNumber:
    case MessageKind::HeadType:
        robotFact(kind, text);
        break;
    case MessageKind::LoginAnswer:
        loginAnswer(text);
        break;
    case MessageKind::PasswordAnswer:
        passwordAnswer(text);
        break;
    case MessageKind::CallFailed:
        linkState.sessionOpen = false;
        restart();
        statusBarDisplay(QStringLiteral("Call Failed"), true);
        break;
    case MessageKind::WifiAck:
        wifiSwitchAcknowledged();
        break;
    case MessageKind::UserList:
        linkState.userListText = text;
        break;
    case MessageKind::UserListAck:
        statusBarDisplay(QStringLiteral("Remote Setting Updated"), true);
        break;
    case MessageKind::ControllerMismatch:
        showBox({QStringLiteral("Current QuorvelBot Controller version not compatible with Robot Application\r\n"
                                "Upgrade to the latest version"),
                 QStringLiteral("Error")});
        Timer3->stop();
        restart();
        break;
    case MessageKind::DriveAlert:
        driveAlert(text);
        break;
    case MessageKind::CloudConnected:
        statusBarDisplay(QStringLiteral("Looking for ") + robots.selectedContact().description + QStringLiteral(" via QCS"),
                         false);
        sendData(getLoginString(linkState.loginType), 0);
        // the login just sent has the watchdog's full time, also when the
        // watchdog ran while the companion was reaching the robot
        Timer3->setInterval(CloudLoginWatchdogMs);
        Timer3->start();
        commandTimeOutTimer->stop();
        break;
    case MessageKind::CloudTrying:
        statusBarDisplay(QStringLiteral("Connecting to QCS"), false);
        commandTimeOutTimer->stop();
        break;
    case MessageKind::CloudEnded:
        showBox({QStringLiteral("Connection to QuorvelBot Communications Service failed/ended with Error Code ")
                     + textAfterColon(text),
                 QStringLiteral("Warning"), BoxIcon::Warning});
        break;
    case MessageKind::PingEcho:
        pingEcho(text);
        break;
    case MessageKind::Proximity:
        proximityReport(text);
        break;
    case MessageKind::Battery:
        batteryReport(text);
        break;
    case MessageKind::Wireless:
        wirelessReport(text);
        break;
    case MessageKind::NetworkScan:
        networkScan(text);
        break;
    case MessageKind::LaserPresent:
        laserPresentReport(text);
        break;
    case MessageKind::IgnoredB:
    case MessageKind::Trs:
    case MessageKind::Unknown:
        break;
    }
}

void RobotLink::loginResendStep()
{
    LinkState &s = linkState;
    if (!s.loginRequested || s.sessionOpen || s.loginResendCount >= MaxLoginResends)
        return;
    const qint64 stamp = millisecondStamp(platform.clock->localMsecs()).toLongLong();
    if (!s.lastResendStamp.isEmpty() && stamp - s.lastResendStamp.toLongLong() <= ResendSpacingMs)
        return;
    statusLine.setText(QStringLiteral("Resending ..."));
    Timer3->stop();
    if (!s.pathWebRtc()) {
        sendData(QStringLiteral("Z"), 0);
        platform.pause->pause(GoodbyePauseMs);
    }
    Timer3->start();
    sendData(getLoginString(s.loginType), 0);
    ++s.loginResendCount;
    s.lastResendStamp = millisecondStamp(platform.clock->localMsecs());
}

void RobotLink::loginAnswer(const QString &text)
{
    LinkState &s = linkState;
    if (!s.loginRequested)
        return;
    const Fields fields = splitFields(text, u':');
    s.isAdmin = fields.at(1).startsWith(u'1');
    s.maxSpeed = readDecimal(fields.at(2));
    fields.at(3); // present in every answer, without meaning here
    Timer3->stop();

    std::array<CameraMemory, 3> cameraMemories;
    const Fields memories = splitFields(robots.selectedContact().cameraMemoryText, u':');
    for (int slot = 0; slot < int(cameraMemories.size()); ++slot) {
        cameraMemories[size_t(slot)].tilt = readDecimal(memories.at(2 * slot));
        cameraMemories[size_t(slot)].pan = readDecimal(memories.at(2 * slot + 1));
    }
    emit loginAccepted(cameraMemories);

    s.robotModel = fields.at(4);
    s.robotGeneration = fields.count() >= 7 ? fields.at(6) : QStringLiteral("0");
    s.laserPresent = s.panPresent = s.pan360 = s.multiRadioPresent = s.headlightsPresent = false;
    s.headlightLevel = 0;
    if (fields.count() >= 6) {
        s.accessoryFlagsKnown = true;
        const unsigned flags = readHex(fields.at(5));
        s.panPresent = flags & 0x40;
        s.pan360 = flags & 0x20;
        s.multiRadioPresent = flags & 0x10;
        s.headlightsPresent = (flags & 0x08) && !s.robotModel.startsWith(u'T');
    }
    s.panPresent = true; // the pan control is offered after every login

    if (robots.selectedContact().conferencingPeer != QLatin1String("Other"))
        checkOrPlaceCall();
    callAnswered();
    s.sessionOpen = true;
}

void RobotLink::checkOrPlaceCall()
{
    if (!skypeSession) {
        try {
            skypeSession = platform.skype->create();
        } catch (...) {
            // tried again on the next login answer
        }
    }
    try {
        const QString peer = robots.selectedContact().conferencingPeer;
        SkypeClient &client = conferencingClient();
        const bool callUp = client.activeCallCount() >= 1 && client.activeCallStatus(1) == SkypeClient::CallInProgress
                            && client.activeCallPartner(1).compare(peer, Qt::CaseInsensitive) == 0;
        if (callUp || linkState.sessionOpen)
            return;
        try {
            placeCall(peer);
            statusBarDisplay(QStringLiteral("Waiting for call to establish"), false);
        } catch (...) {
            // the call is placed by driving the client's window; nothing to check
        }
    } catch (const std::exception &error) {
        showMessage(QStringLiteral("Cannot place a call because of a problem in place call\r\n") + errorText(error));
    }
}

void RobotLink::passwordAnswer(const QString &text)
{
    const QChar verdict = text.size() >= 5 ? text[4] : QChar();
    if (verdict == u'1') {
        statusBarDisplay(QStringLiteral("Password updated"), true);
        password.clear();
        emit passwordUpdated(); // the old password must not stay in the robot list
    } else if (verdict == u'0') {
        statusBarDisplay(QStringLiteral("Current password incorrect. Password not updated."), true);
    }
}
