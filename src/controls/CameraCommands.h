#pragma once
#include <QString>
#include <array>

#include "controls/CameraMemory.h"

// The pan and tilt bars run from 0 to 90; a position beyond an end is that end.
int clampCameraPosition(int position);

// "MKP" nnn "00" with nnn = 180 - 2 x pan position: 180 at the left end, 090 at
// the centre, 000 at the right end.
QString panCommand(int panPosition);

// "MKT" nnn "00": the upper half of the tilt bar (0..45, top first) covers
// 45..90 in steps of 1, the lower half 90..150 in steps of 4/3, rounded.
QString tiltCommand(int tiltPosition);

// The robot contact's camera field, "t1:p1:t2:p2:t3:p3".
QString cameraMemoryText(const std::array<CameraMemory, 3> &memories);
