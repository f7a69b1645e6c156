#include "controls/JoystickDriving.h"

StickDrive stickDrive(double x, double y, double lastX, double lastY, int padSensitivity)
{
    // A held stick is reported again and again with the same position.
    if (x == lastX && y == lastY)
        return {};
    StickDrive drive;
    drive.acted = true;
    drive.padPoint = joystickPadPoint(x, y);
    drive.stops = drive.padPoint == QPoint(110, 80);
    drive.demands = padToWheels(drive.padPoint.x(), drive.padPoint.y(), 1.0, padSensitivity);
    return drive;
}

QList<JoystickAction> joystickButtonActions(TJoyButtons buttons)
{
    QList<JoystickAction> actions;
    const auto pressed = [&](TJoyButton button, JoystickAction action) {
        if (buttons.contains(button))
            actions << action;
    };
    pressed(1, JoystickAction::TiltDown);
    pressed(2, JoystickAction::PanRight);
    pressed(3, JoystickAction::PanLeft);
    pressed(4, JoystickAction::TiltUp);
    pressed(5, JoystickAction::ToggleLaser);
    pressed(6, JoystickAction::CentreCamera);
    if (buttons.contains(7) || buttons.contains(9) || buttons.contains(10))
        actions << JoystickAction::HeadlightStep;
    pressed(8, JoystickAction::SignIn);
    return actions;
}
