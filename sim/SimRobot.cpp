#include "SimRobot.h"

#include "link/Numbers.h"

#include <algorithm>
#include <cmath>

SimRobot::SimRobot(const RobotFacts &facts, const Room &room)
    : robotFacts(facts), robotBody(room, Pose{1.5, 1.5, 0}),
      visibleNetworks{{QStringLiteral("QuorvelLab"), 63}, {QStringLiteral("Office WLAN"), 49},
                      {QStringLiteral("Guest"), 28}},
      network(visibleNetworks.first().name)
{
}

void SimRobot::setPan(int value) { panValue = std::clamp(value, 0, 180); }

void SimRobot::setTilt(int value) { tiltValue = std::clamp(value, 45, 150); }

void SimRobot::setHeadlights(int percent) { headlightPercent = std::clamp(percent, 0, 100); }

void SimRobot::setOnCharger(bool on)
{
    robotBattery.setOnCharger(on);
    if (on)
        headCharging = false;
}

bool SimRobot::joinNetwork(const QString &name)
{
    const bool visible = std::any_of(visibleNetworks.begin(), visibleNetworks.end(),
                                     [&](const WirelessNetwork &candidate) { return candidate.name == name; });
    if (visible)
        network = name;
    return visible;
}

int SimRobot::signalPercent() const
{
    int quality = 0;
    for (const WirelessNetwork &candidate : visibleNetworks)
        if (candidate.name == network)
            quality = candidate.quality;
    const QPointF corner = robotBody.room().floor().topLeft();
    const QPointF offset = robotBody.pose().centre() - corner;
    const double distance = std::hypot(offset.x(), offset.y());
    return std::clamp(roundToEven(quality / 0.7 - 6 * distance), 5, 100);
}

bool SimRobot::advance(int milliseconds)
{
    const bool ranInto = robotBody.advance(milliseconds);
    const double load = (std::abs(robotBody.leftSpeed()) + std::abs(robotBody.rightSpeed())) / 200;
    robotBattery.advance(milliseconds, load, headCharging);
    return ranInto;
}
