#pragma once
#include <QString>

// The Accessories page of the help dialog: what the robot of the session
// carries, from the facts of its login answer and reports.

struct RobotAccessories {
    bool inSession = false;
    QString robotModel;      // a model beginning with "T" is the table-top edition
    QString robotGeneration; // "1": pan mounts of 180 or 360 degrees, and headlights with the 360 one
    bool panPresent = false;
    bool pan360 = false;
    bool laserPresent = false;
    bool multiRadioPresent = false;
    int batteryState = -1; // below 0: no battery
    int wifiRadioCount = 0;
};

// One line per accessory, each ending in CR LF, with its "Present" or
// "Absent"; outside a session the request to log in.
QString accessoryListText(const RobotAccessories &robot);
