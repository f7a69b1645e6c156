#pragma once
#include "controls/DriveMixing.h"
#include "controls/JoystickTypes.h"

#include <QList>
#include <QPoint>

// What the main window makes of the game controller's events.

// The result of one move of the stick, given the position last acted on.
struct StickDrive {
    bool acted = false; // false: the position repeats the last one, nothing changes
    QPoint padPoint;    // on the unscaled pad (joystickPadPoint)
    bool stops = false; // the stick is at the pad's centre: the double stop goes out
    WheelDemands demands;
};
StickDrive stickDrive(double x, double y, double lastX, double lastY, int padSensitivity);

enum class JoystickAction { TiltDown, PanRight, PanLeft, TiltUp, ToggleLaser, CentreCamera, HeadlightStep, SignIn };

// What one button-down event asks for, in the order it is carried out:
// 1 tilt down, 2 pan right, 3 pan left, 4 tilt up, 5 the laser, 6 centre the
// camera, 7, 9 or 10 one headlight step however many of them are down, 8 the
// Sign In button.
QList<JoystickAction> joystickButtonActions(TJoyButtons buttons);
