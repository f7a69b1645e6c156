// Watching the link while the drive view is open: a ping every 5 seconds
// whose echo gives the round-trip delay, and the end of the session after
// 15 seconds without any message from the robot. The same tick sends the
// drive controls' wheel demands.
#include "link/RobotLink.h"

#include "controls/DriveMixing.h"
#include "link/Fields.h"
#include "link/Numbers.h"
#include "link/Stamps.h"
#include "platform/Clock.h"
#include "settings/ControllerSettings.h"

#include <QLocale>
#include <QTimer>

namespace {
constexpr int PingEverySeconds = 5;
}

void RobotLink::Timer1Timer()
{
    const qint64 now = platform.clock->localMsecs();
    // Only the seconds within the minute of the span count, so a tick held
    // up for a minute or more waits until that field reaches 5 again.
    if (secondsFieldOf(now - linkState.lastPingTime) >= PingEverySeconds) {
        linkState.FStartTime = now;
        linkState.lastPingStamp = millisecondStamp(now);
        sendData(QStringLiteral("PING:") + linkState.lastPingStamp, 0);
        linkState.lastPingTime = now;
        if (linkState.unansweredPings++ == 0)
            linkState.firstUnansweredPingTime = now;
    }
    // A ping went out while the one before was still unanswered: the
    // silence is counted until the robot answers again.
    if (linkState.unansweredPings > 1)
        emit linkSilent((now - linkState.firstUnansweredPingTime) / 1000);
    driveTick();
}

void RobotLink::driveTick()
{
    const WheelDemands demands{leftWheelDemand, rightWheelDemand};
    if (demands.isStill())
        return; // nothing is sent while the pointer rests at the centre
    const DriveCommand command = driveCommand(demands, linkState.maxSpeed);
    if (settings.autoCenter && command.autoCentresCamera())
        emit cameraCentreWanted();
    try {
        sendData(command.text, 0);
    } catch (const std::exception &) {
        // the next tick tries again with the demands of then
    }
}

void RobotLink::showLinkAnswering()
{
    linkState.unansweredPings = 0;
    emit linkAnswering();
}

void RobotLink::pingEcho(const QString &text)
{
    const Fields fields = splitFields(text, u':');
    const qint64 now = platform.clock->localMsecs();
    if (fields.count() == 1) {
        showLinkAnswering();
        emit delayMeasured(secondsInMinute(now - linkState.FStartTime) + u's');
    } else if (fields.at(1) == linkState.lastPingStamp) {
        const double delay = double(millisecondStamp(now).toLongLong() - readLongDecimal(fields.at(1))) / 1000.0;
        showLinkAnswering();
        emit delayMeasured(QLocale().toString(delay, 'g', 15) + QStringLiteral(" s"));
    }
    // the echo of an older ping says nothing about the link now
}

void RobotLink::commandTimeOutTimerTimer()
{
    commandTimeOutTimer->stop();
    endSession();
    // the operator learns why the session ended ("Ready" alone says nothing)
    statusBarDisplay(QStringLiteral("Connection to the robot lost"), false);
}
