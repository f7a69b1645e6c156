#pragma once
#include <QLatin1String>
#include <QPoint>
#include <QString>

// The two wheel demands: whole numbers from -99 to 99 held as floats;
// positive drives that wheel forward.
struct WheelDemands {
    float left = 0;
    float right = 0;

    bool isStill() const { return left == 0 && right == 0; }
};

// A pad measure at the display factor (ui/DisplayScale.h), rounded to the
// nearest pixel, ties to even.
int scaled(int pixels, double displayScale);

// Mixes a place on the drive pad (pad pixels, 0,0 the top-left corner, the pad
// 220 x 160 scaled) into the wheel demands. Places off the pad count as the
// nearest edge. padSensitivity 0..7 damps turning while driving forward or
// backward: 0 turns most, 7 least.
WheelDemands padToWheels(int x, int y, double displayScale, int padSensitivity);

// The place on an unscaled pad that a stick deflection stands for (X and Y
// from -1 to 1, forward is negative Y): the stick's travel covers 0..220 and
// 0..160 with its rest at 110, 80. The joystick mixes it with padToWheels at
// display factor 1.
QPoint joystickPadPoint(double x, double y);

// What the drive tick sends for the demands at the user's maximum speed.
struct DriveCommand {
    int leftMagnitude = 0;
    int rightMagnitude = 0;
    QString text; // "L" d nn "R" d nn, d "1" forward (also with magnitude 0), "0" backward

    // Fast enough on both wheels for the camera pan to be brought to the
    // centre while driving.
    bool autoCentresCamera() const { return leftMagnitude > 30 && rightMagnitude > 30; }
};
DriveCommand driveCommand(WheelDemands demands, int maxSpeed);

// Stops both wheels; sent on pressing and releasing the pad.
inline constexpr QLatin1String StopCommand("L000R000");
