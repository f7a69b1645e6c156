#pragma once
#include <QPoint>

// Where the 20 x 20 marker that follows the pointer sits, relative to the
// drive pad's top-left corner.

// For a pointer place in pad pixels while the pad is held; beyond the pad the
// marker stops at its edges.
QPoint padMarkerPosition(int x, int y, double displayScale);

// For a joystick's place on the unscaled pad (joystickPadPoint).
QPoint joystickMarkerPosition(QPoint padPoint, double displayScale);
