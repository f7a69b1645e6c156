#include "controls/DriveMixing.h"

#include <algorithm>
#include <cmath>

// The mixing keeps the controller's established arithmetic: named intermediates
// are single-precision floats and every expression is worked out in extended
// precision (long double, 64-bit mantissa on x86-64), so the same pad place
// always gives the same demands.

namespace {

using Extended = long double;

// Nearest integer, ties to even.
int rnd(Extended value)
{
    return int(std::llrint(value));
}

float clampTo(float value, float limit)
{
    return std::clamp(value, -limit, limit);
}

} // namespace

int scaled(int pixels, double displayScale)
{
    return rnd(Extended(pixels) * displayScale);
}

WheelDemands padToWheels(int x, int y, double displayScale, int padSensitivity)
{
    const float hx = float(scaled(110, displayScale));
    const float hy = float(scaled(80, displayScale));
    // Width and aspect come from the rounded half sizes rather than being
    // rounded on their own, so the pad's centre mixes to a standstill at every
    // display factor; on an unscaled pad they are 220 and 1.375.
    const float width = 2 * hx;
    const auto aspectTimes = [&](float height) { return Extended(hx) * height / hy; };

    const float dx = clampTo(float(x) - hx, hx);
    const float dy = clampTo(hy - float(y), hy);

    float damping;
    if (std::fabs(dy) > 8) {
        const Extended share = Extended(dy) / hy;
        damping = float(std::abs(rnd(share * share * 4 * padSensitivity)) + 2);
    } else {
        damping = float(Extended(std::fabs(dy)) * 0.125L + 1);
    }
    const float dampedDx = float(Extended(dx) / (2 * Extended(damping)));
    const float across = float(std::fabs(Extended(dampedDx) + hx));

    const float left = float(rnd(across + aspectTimes(std::fabs(dy + hy)))) - width;
    const float right = width - float(rnd(across + aspectTimes(std::fabs(dy - hy))));

    const auto demand = [&](float wheel) {
        const float v = clampTo(wheel, hx);
        return clampTo(float(rnd(Extended(v) / hx * 100)), 99);
    };
    return {demand(left), demand(right)};
}

QPoint joystickPadPoint(double x, double y)
{
    return {rnd(110 * Extended(x)) + 110, rnd(80 * Extended(y)) + 80};
}

namespace {

// |trunc(maxSpeed / 100 x demand)|, quotient and product in extended
// precision: maxSpeed 84 with demand 75 gives 62. A maximum speed beyond 0..100
// counts as the nearer end, so a magnitude never leaves two digits.
int magnitude(float demand, int maxSpeed)
{
    const int speed = std::clamp(maxSpeed, 0, 100);
    return std::abs(int(std::trunc(Extended(speed) / 100 * demand)));
}

QString wheelText(QChar wheel, float demand, int magnitude)
{
    return wheel + QLatin1Char(demand >= 0 ? '1' : '0') + QStringLiteral("%1").arg(magnitude, 2, 10, QLatin1Char('0'));
}

} // namespace

DriveCommand driveCommand(WheelDemands demands, int maxSpeed)
{
    DriveCommand command;
    command.leftMagnitude = magnitude(demands.left, maxSpeed);
    command.rightMagnitude = magnitude(demands.right, maxSpeed);
    command.text = wheelText(u'L', demands.left, command.leftMagnitude)
        + wheelText(u'R', demands.right, command.rightMagnitude);
    return command;
}
