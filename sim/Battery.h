#pragma once

// The robot's battery: it runs down slowly while idle, faster while driving
// and while charging the head device, and fills up on the charger.
class Battery {
public:
    explicit Battery(double percent = 80) { setPercent(percent); }

    void setPercent(double percent);
    void setOnCharger(bool on) { charger = on; }
    // driveLoad: 0 standing still to 1 both wheels at full speed.
    void advance(int milliseconds, double driveLoad, bool headCharging);

    // Whole percent, rounded down.
    int percent() const;
    bool onCharger() const { return charger; }
    bool full() const { return level >= 100; }
    // Hours left at the idle rate of a full battery's six hours.
    double hoursLeft() const { return level / 100 * 6; }

private:
    double level = 80;
    bool charger = false;
};
