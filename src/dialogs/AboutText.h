#pragma once
#include <QString>

// The robot configuration block of the About page, built from the facts the
// robot reports at login and afterwards.

struct RobotIdentity {
    // Characters 1-2 (table-top models, beginning with "T") or 2 (others) are
    // the firmware, 3-4 or 4 the hardware, 5-6 the serial code and 7 on the
    // robot application's version.
    QString robotModel;
    QString headType;
    QString boardSerialNumber;
    QString robotSerialNumber;
};

// The lines, joined by CR LF: device holder, serial number (none for a serial
// code "ff" of another model; the robot's own serial number for "AA"),
// robot application, firmware and hardware versions, and the hardware serial
// number (the serial code when the board reports none, "255" or "0"). A model
// text too short for a field leaves it empty or partial.
QString aboutRobotBody(const RobotIdentity &robot);

// The heading over the block: the robot's description in double quotes and
// " Configuration".
QString aboutRobotHeading(const QString &description);
