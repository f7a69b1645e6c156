#include "RobotBody.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr int stepMs = 10;
constexpr int sensorReach = 60; // centimetres
constexpr int floorReading = 10;

double towards(double value, double target, double maxChange)
{
    if (value < target)
        return std::min(value + maxChange, target);
    return std::max(value - maxChange, target);
}

double normalised(double angle)
{
    angle = std::remainder(angle, 2 * pi);
    return angle <= -pi ? angle + 2 * pi : angle;
}

double degrees(double value) { return value * pi / 180; }

} // namespace

RobotBody::RobotBody(const Room &room, const Pose &start) : floor(room), where(start) {}

void RobotBody::drive(int leftPercent, int rightPercent)
{
    leftDemand = std::clamp(leftPercent, -99, 99);
    rightDemand = std::clamp(rightPercent, -99, 99);
    sinceDriveMs = 0;
}

void RobotBody::stop()
{
    leftDemand = rightDemand = leftWheel = rightWheel = 0;
}

void RobotBody::setAcceleration(int setting)
{
    accelerationSetting = std::clamp(setting, slowestAcceleration, fastestAcceleration);
}

void RobotBody::setDriveTimeOut(int milliseconds)
{
    timeOutMs = std::clamp(milliseconds, shortestDriveTimeOut, longestDriveTimeOut);
}

void RobotBody::place(const Pose &pose)
{
    where = pose;
    where.heading = normalised(pose.heading);
    stop();
    blocked = false;
}

bool RobotBody::advance(int milliseconds)
{
    bool ranInto = false;
    for (int left = milliseconds; left > 0; left -= stepMs)
        ranInto |= step(std::min(left, stepMs));
    return ranInto;
}

bool RobotBody::step(int milliseconds)
{
    sinceDriveMs += milliseconds;
    if (sinceDriveMs > timeOutMs)
        leftDemand = rightDemand = 0;
    const double dt = milliseconds / 1000.0;
    const double maxChange = 20.0 * accelerationSetting * dt;
    leftWheel = towards(leftWheel, leftDemand, maxChange);
    rightWheel = towards(rightWheel, rightDemand, maxChange);
    if (leftWheel == 0 && rightWheel == 0)
        return false;

    const double left = leftWheel / 100 * topSpeed;
    const double right = rightWheel / 100 * topSpeed;
    const double speed = (left + right) / 2;
    const double turn = (right - left) / wheelBase;
    const double middle = where.heading + turn * dt / 2;
    const Pose next{where.x + speed * std::cos(middle) * dt, where.y + speed * std::sin(middle) * dt,
                    normalised(where.heading + turn * dt)};
    if (floor.blocks(next.centre(), radius)) {
        moveToContact(next);
        stop();
        const bool newly = !blocked;
        blocked = true;
        return newly;
    }
    where = next;
    blocked = false;
    return false;
}

void RobotBody::moveToContact(const Pose &next)
{
    // Bisects the step for the last free pose, so the body rests against
    // the obstacle and pushing on into it is no new collision.
    const auto along = [&](double part) {
        return Pose{where.x + (next.x - where.x) * part, where.y + (next.y - where.y) * part,
                    normalised(where.heading + std::remainder(next.heading - where.heading, 2 * pi) * part)};
    };
    double free = 0;
    double blocking = 1;
    for (int i = 0; i < 20; ++i) {
        const double middle = (free + blocking) / 2;
        (floor.blocks(along(middle).centre(), radius) ? blocking : free) = middle;
    }
    where = along(free);
}

int RobotBody::readingTowards(double angle) const
{
    double nearest = floor.distanceAlong(where.centre(), where.heading + angle);
    for (const double spread : {degrees(-10), degrees(10)})
        nearest = std::min(nearest, floor.distanceAlong(where.centre(), where.heading + angle + spread));
    const double centimetres = (nearest - radius) * 100;
    return int(std::clamp(std::floor(centimetres), 0.0, double(sensorReach)));
}

Proximity RobotBody::proximity() const
{
    return {floorReading, readingTowards(degrees(-35)), readingTowards(0), readingTowards(degrees(35))};
}
