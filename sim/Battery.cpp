#include "Battery.h"

#include <algorithm>
#include <cmath>

namespace {

// Percent per minute.
constexpr double idleDrain = 0.25;
constexpr double driveDrain = 1.5;
constexpr double headChargingDrain = 0.5;
constexpr double chargerFill = 5;

} // namespace

void Battery::setPercent(double percent) { level = std::clamp(percent, 0.0, 100.0); }

void Battery::advance(int milliseconds, double driveLoad, bool headCharging)
{
    const double minutes = milliseconds / 60000.0;
    double change = -(idleDrain + driveDrain * std::clamp(driveLoad, 0.0, 1.0)) * minutes;
    if (headCharging)
        change -= headChargingDrain * minutes;
    if (charger)
        change += chargerFill * minutes;
    setPercent(level + change);
}

int Battery::percent() const { return int(std::floor(level)); }
