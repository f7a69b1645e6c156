// The accessories: headlights in four steps, the laser pointer, and remote
// charging of the head device. The robot does not confirm them; the new
// state is taken as soon as the command has left.
#include "link/RobotLink.h"

namespace {
constexpr int LowestChargingPercent = 25;
}

void RobotLink::headlightStep()
{
    LinkState &s = linkState;
    s.headlightLevel = (s.headlightLevel + 1) % 4;
    struct Step {
        const char *command;
        const char *status;
        bool clears;
    };
    static const Step steps[] = {
        {"XH000000", "Headlights Off", true},
        {"XH025000", "Headlights On - Low", false},
        {"XH050000", "Headlights On - Med", false},
        {"XH075000", "Headlights On - Hi", false},
    };
    const Step &step = steps[s.headlightLevel];
    sendData(QString::fromLatin1(step.command), 0);
    statusBarDisplay(QString::fromLatin1(step.status), step.clears);
    emit accessoriesChanged();
}

void RobotLink::laserToggle()
{
    LinkState &s = linkState;
    if (!s.laserPresent)
        return;
    try {
        if (s.laserOn) {
            sendData(QStringLiteral("XL023456"), 0);
            s.laserOn = false;
            statusBarDisplay(QStringLiteral("Laser Off"), true);
        } else {
            sendData(QStringLiteral("XL123456"), 0);
            s.laserOn = true;
            statusBarDisplay(QStringLiteral("Laser On"), false);
        }
        emit accessoriesChanged();
    } catch (const std::exception &) {
        statusBarDisplay(QStringLiteral("Laser Switching failure"), true);
    }
}

void RobotLink::chargeToggle()
{
    LinkState &s = linkState;
    try {
        if (s.batteryPercent < LowestChargingPercent) {
            statusBarDisplay(QStringLiteral("Remote Tablet charging disabled. Low battery on QuorvelBot"), true);
            if (!s.remoteChargingOn)
                return; // never switched on with a low or unknown battery
        }
        if (s.remoteChargingOn) {
            sendData(QStringLiteral("XQ023456"), 0);
            s.remoteChargingOn = false;
            statusBarDisplay(QStringLiteral("Remote Tablet charging Off"), true);
        } else {
            sendData(QStringLiteral("XQ123456"), 0);
            s.remoteChargingOn = true;
            statusBarDisplay(QStringLiteral("Remote Tablet charging ON"), true);
        }
        emit accessoriesChanged();
    } catch (const std::exception &) {
        statusBarDisplay(QStringLiteral("Remote Tablet Charing failure"), true);
    }
}

void RobotLink::switchAccessoriesOff()
{
    // Each state is reset before its send, so a failed send leaves it off
    // too. The headlights go off with the rest, so that the next session,
    // which starts them at off, shows what the robot has.
    LinkState &s = linkState;
    if (s.laserOn) {
        s.laserOn = false;
        emit accessoriesChanged();
        sendData(QStringLiteral("XL023456"), 0);
    }
    if (s.remoteChargingOn) {
        s.remoteChargingOn = false;
        emit accessoriesChanged();
        sendData(QStringLiteral("XQ023456"), 0);
    }
    if (s.headlightLevel != 0) {
        s.headlightLevel = 0;
        emit accessoriesChanged();
        sendData(QStringLiteral("XH000000"), 0);
    }
}
