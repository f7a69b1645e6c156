#pragma once
#include <QString>

// How the settings dialog's sliders stand for the options they change, and
// the commands that hand the robot's options to it.

// Acceleration: the slider runs 5 ("Slow") to 20 ("Fast"); a setting outside
// (0 when the file has none) shows at the nearer end.
int accelerationPosition(int accelSetting);
// "XE", the position as two decimal digits, "0000": 5 gives XE050000.
QString accelerationCommand(int position);

// Drive pad sensitivity: the slider runs 0..7 the other way round from the
// option.
int padSensitivityPosition(int padSensitivity);
int padSensitivityValue(int position);

// Drive time-out in milliseconds: the slider runs 5..10 in tenths of a
// second; 750 shows at 8 (ties to even).
int driveTimeOutPosition(int driveTimeOut);
int driveTimeOutValue(int position);
// "V:driveTimeOut:" and the time-out in decimal, e.g. V:driveTimeOut:700.
QString driveTimeOutCommand(int driveTimeOut);
