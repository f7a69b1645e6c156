#include "RobotProtocol.h"

#include "RobotMessages.h"
#include "SocketFrame.h"
#include "link/LinkError.h"
#include "link/Numbers.h"

#include <QRegularExpression>

namespace {

const QString secret = QStringLiteral("***");

// The text of a login, password change or user list with its passwords
// starred out, for the log.
QString withoutSecrets(const QString &text)
{
    if (text.startsWith(u'U')) {
        QStringList fields = text.split(u':');
        if (fields.size() > 1)
            fields[1] = secret;
        return fields.join(u':');
    }
    if (text.startsWith(QStringLiteral("P:"))) {
        QStringList fields = text.split(u':');
        for (int i = 2; i < fields.size(); ++i)
            fields[i] = secret;
        return fields.join(u':');
    }
    if (text.startsWith(u'#')) {
        QStringList entries = text.split(u'%');
        for (int i = 1; i < entries.size(); ++i) {
            QStringList fields = entries[i].split(u':');
            if (fields.size() > 1)
                fields[1] = secret;
            entries[i] = fields.join(u':');
        }
        return entries.join(u'%');
    }
    return text;
}

QRegularExpressionMatch matchWhole(const QString &pattern, const QString &text)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(text);
}

} // namespace

RobotProtocol::RobotProtocol(SimRobot &robot, const UserAccounts &accounts, const ProtocolSettings &settings,
                             QObject *parent)
    : QObject(parent), robot(robot), users(accounts), settings(settings)
{
}

void RobotProtocol::connectionOpened(int connection, const QString &localAddress)
{
    addresses.insert(connection, localAddress);
    note(connection, QStringLiteral("connected to ") + localAddress);
}

void RobotProtocol::connectionClosed(int connection)
{
    addresses.remove(connection);
    note(connection, QStringLiteral("disconnected"));
    if (connection == holder)
        endSession(QStringLiteral("its connection closed"));
}

void RobotProtocol::frameReceived(int connection, const QString &frame)
{
    const std::optional<QString> command = commandOfFrame(frame);
    if (!command) {
        note(connection, QStringLiteral("ignored a frame without a time stamp: ") + withoutSecrets(frame));
        return;
    }
    emit logLine(QStringLiteral("#%1 < %2").arg(connection).arg(withoutSecrets(*command)));
    if (command->startsWith(u'U'))
        login(connection, *command);
    else if (connection != holder)
        note(connection, QStringLiteral("ignored: not signed in"));
    else
        handle(*command);
}

void RobotProtocol::handle(const QString &command)
{
    if (command == u"Z")
        endSession(QStringLiteral("the controller said Z"));
    else if (command.startsWith(QStringLiteral("PING")))
        answer(command); // the echo carries the same stamp
    else if (command.startsWith(u'L'))
        drive(command);
    else if (command.startsWith(QStringLiteral("MK")))
        camera(command);
    else if (command.startsWith(QStringLiteral("XH")))
        headlights(command);
    else if (command.startsWith(QStringLiteral("XL")) || command.startsWith(QStringLiteral("XQ")))
        switchAccessory(command);
    else if (command.startsWith(QStringLiteral("XE")))
        acceleration(command);
    else if (command.startsWith(QStringLiteral("V:driveTimeOut:")))
        driveTimeOut(command.mid(15));
    else if (command == u"A")
        sendUserList();
    else if (command.startsWith(u'#'))
        uploadUsers(command);
    else if (command.startsWith(QStringLiteral("P:")))
        changePassword(command);
    else if (command.startsWith(QStringLiteral("Y,")))
        switchNetwork(command);
    else
        note(holder, QStringLiteral("ignored: unknown command"));
}

void RobotProtocol::login(int connection, const QString &command)
{
    if (holder >= 0 && holder != connection) {
        reply(connection, QStringLiteral("BUSY"));
        return;
    }
    // "U" user ":" password ":" controller version ":" speed to mute ":" drive time-out
    const QStringList fields = command.mid(1).split(u':');
    const std::optional<UserAccount> account =
        fields.size() == 5 ? users.signIn(fields[0], fields[1], settings.loginForm) : std::nullopt;
    if (!account) {
        if (holder == connection)
            endSession(QStringLiteral("its new login was refused"));
        reply(connection, QStringLiteral("UPERROR"));
        return;
    }
    holder = connection;
    user = *account;
    robot.body().stop();
    note(connection, QStringLiteral("signed in as %1%2, controller %3")
                         .arg(user.name, user.admin ? QStringLiteral(" (admin)") : QString(), fields[2]));
    driveTimeOut(fields[4]);
    answer(loginAnswer(user.admin, settings.maxSpeed, robot.facts()));
    for (const QString &fact : factAnnouncements(robot.facts()))
        answer(fact);
    // The first reports follow at once, then each at its own pace.
    sinceBattery = batteryEveryMs;
    sinceWireless = wirelessEveryMs;
    sinceProximity = proximityEveryMs;
    sendReports(0);
}

void RobotProtocol::endSession(const QString &why)
{
    if (holder < 0)
        return;
    note(holder, QStringLiteral("session of %1 ended: %2").arg(user.name, why));
    robot.body().stop();
    holder = -1;
    user = UserAccount();
}

void RobotProtocol::reply(int connection, const QString &text)
{
    emit logLine(QStringLiteral("#%1 > %2").arg(connection).arg(withoutSecrets(text)));
    emit textOut(connection, text);
}

void RobotProtocol::note(int connection, const QString &text)
{
    emit logLine(QStringLiteral("#%1 %2").arg(connection).arg(text));
}

void RobotProtocol::advance(int milliseconds)
{
    if (robot.advance(milliseconds)) {
        note(holder, QStringLiteral("ran into an obstacle and stopped"));
        if (inSession())
            answer(QStringLiteral("PD1"));
    }
    if (inSession())
        sendReports(milliseconds);
}

void RobotProtocol::sendReports(int milliseconds)
{
    const auto due = [milliseconds](int &since, int every) {
        since += milliseconds;
        if (since < every)
            return false;
        since %= every;
        return true;
    };
    if (due(sinceBattery, batteryEveryMs))
        emit textOut(holder, batteryReport(robot.battery()));
    if (due(sinceWireless, wirelessEveryMs))
        emit textOut(holder, wirelessReport(robot.currentNetwork(), robot.signalPercent()));
    if (due(sinceProximity, proximityEveryMs))
        emit textOut(holder, proximityReport(robot.body().proximity()));
}

void RobotProtocol::drive(const QString &command)
{
    // "L" d nn "R" d nn: d is 1 forward, 0 backward; nn percent of top speed
    const QRegularExpressionMatch wheels = matchWhole(QStringLiteral("L([01])(\\d\\d)R([01])(\\d\\d)"), command);
    if (!wheels.hasMatch()) {
        note(holder, QStringLiteral("ignored: not a drive command"));
        return;
    }
    const auto speed = [&](int direction, int magnitude) {
        const int percent = wheels.captured(magnitude).toInt();
        return wheels.captured(direction) == u"1" ? percent : -percent;
    };
    robot.body().drive(speed(1, 2), speed(3, 4));
}

void RobotProtocol::camera(const QString &command)
{
    // "MKP" nnn "00" pans, "MKT" nnn "00" tilts
    const QRegularExpressionMatch position = matchWhole(QStringLiteral("MK([PT])(\\d{3})00"), command);
    if (!position.hasMatch()) {
        note(holder, QStringLiteral("ignored: not a camera command"));
        return;
    }
    const int value = position.captured(2).toInt();
    if (position.captured(1) == u"T") {
        robot.setTilt(value);
    } else if (robot.facts().panFitted()) {
        robot.setPan(value);
    } else {
        note(holder, QStringLiteral("ignored: no pan mount fitted"));
    }
}

void RobotProtocol::headlights(const QString &command)
{
    // "XH" and the brightness in percent, three digits, then "000"
    const QRegularExpressionMatch level = matchWhole(QStringLiteral("XH(\\d{3})000"), command);
    if (!level.hasMatch())
        note(holder, QStringLiteral("ignored: not a headlight command"));
    else if (!robot.facts().headlightsFitted())
        note(holder, QStringLiteral("ignored: no headlights fitted"));
    else
        robot.setHeadlights(level.captured(1).toInt());
}

void RobotProtocol::switchAccessory(const QString &command)
{
    if (command == u"XL123456" || command == u"XL023456") {
        if (robot.facts().laserFitted)
            robot.setLaser(command[2] == u'1');
        else
            note(holder, QStringLiteral("ignored: no laser fitted"));
    } else if (command == u"XQ123456" || command == u"XQ023456") {
        robot.setHeadCharging(command[2] == u'1' && !robot.battery().onCharger());
    } else {
        note(holder, QStringLiteral("ignored: unknown accessory command"));
    }
}

void RobotProtocol::acceleration(const QString &command)
{
    // "XE" nn "0000"; a setting outside 5..20 (0 when the controller has
    // none saved) leaves the robot's own
    const QRegularExpressionMatch setting = matchWhole(QStringLiteral("XE(\\d\\d)0000"), command);
    const int value = setting.hasMatch() ? setting.captured(1).toInt() : 0;
    if (value < RobotBody::slowestAcceleration || value > RobotBody::fastestAcceleration) {
        note(holder, QStringLiteral("kept acceleration %1").arg(robot.body().acceleration()));
        return;
    }
    robot.body().setAcceleration(value);
}

void RobotProtocol::driveTimeOut(const QString &value)
{
    // A controller without a saved time-out sends 0; the robot then keeps
    // its own rather than stopping at once or never.
    int milliseconds = 0;
    try {
        milliseconds = readDecimal(value);
    } catch (const LinkError &) {
    }
    if (milliseconds > 0)
        robot.body().setDriveTimeOut(milliseconds);
    note(holder, QStringLiteral("drive time-out %1 ms").arg(robot.body().driveTimeOut()));
}

void RobotProtocol::sendUserList()
{
    // Only an administrator sees the accounts and their passwords; anyone
    // else gets the robot's address alone, which is all the settings
    // dialog shows them.
    answer(userList(addresses.value(holder), user.admin ? users.entries() : QStringList()));
}

void RobotProtocol::uploadUsers(const QString &command)
{
    if (!user.admin) {
        note(holder, QStringLiteral("refused user list: not an administrator"));
        return;
    }
    const std::optional<UserUpload> upload = readUserUpload(command.mid(1));
    if (!upload) {
        note(holder, QStringLiteral("refused user list: kept the users it has"));
        return;
    }
    users.replace(upload->accounts);
    settings.maxSpeed = upload->maxSpeed;
    answer(QStringLiteral("ACKUSER"));
}

void RobotProtocol::changePassword(const QString &command)
{
    // "P:" user ":" current password ":" new password, for the signed-in user
    const QStringList fields = command.mid(2).split(u':');
    const bool changed = fields.size() == 3 && fields[0] == user.name
                         && users.changePassword(fields[0], fields[1], fields[2]);
    answer(changed ? QStringLiteral("PASS1") : QStringLiteral("PASS0"));
}

void RobotProtocol::switchNetwork(const QString &command)
{
    // "Y," network "," quality; the name may hold commas of its own
    const QString rest = command.mid(2);
    const qsizetype comma = rest.lastIndexOf(u',');
    if (comma >= 0 && robot.joinNetwork(rest.left(comma)))
        answer(QStringLiteral("ACKWIFI"));
    else
        note(holder, QStringLiteral("ignored: no such network in view"));
}

bool RobotProtocol::sendScripted(const QString &text)
{
    if (inSession()) {
        answer(text);
        return true;
    }
    for (auto it = addresses.cbegin(); it != addresses.cend(); ++it)
        reply(it.key(), text);
    return !addresses.isEmpty();
}

bool RobotProtocol::sayGoodbye()
{
    if (!inSession())
        return false;
    answer(QStringLiteral("Z"));
    endSession(QStringLiteral("the robot said Z"));
    return true;
}

bool RobotProtocol::sendNetworkScan()
{
    if (!inSession())
        return false;
    answer(networkScan(robot.networks()));
    return true;
}
