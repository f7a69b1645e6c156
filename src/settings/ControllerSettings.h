#pragma once

// The controller's local options, named after their keys in "Settings.ini".
struct ControllerSettings {
    bool Logging = false;
    bool Alwaysontop = false;
    int speedToMute = 0;
    int padSensitivity = 0; // 0..7
    bool pointNDrive = false;
    bool autoAnswer = false;
    bool checkForUpdates = false;
    bool autoCenter = false;
    int driveTimeOut = 0;
    int accelSetting = 0;
};
