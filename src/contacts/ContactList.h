#pragma once
#include <QString>
#include <array>

// One robot of the operator's list, fields in the order of the contact file.
struct RobotContact {
    QString controlPathKey;   // "QCloud", "Socket", "webRTC" or "Auto"
    QString description;      // the operator's name for it; also its folder under "Data"
    QString baseName;         // base name, address or serial number
    QString conferencingPeer; // Skype name of the head device, or "Other"
    QString savedUserName;
    QString savedPassword;
    QString cameraMemoryText; // t1:p1:t2:p2:t3:p3
    // What a hand-edited line holds beyond its seven fields, from the seventh
    // "," on, kept so that the next write gives the line back whole.
    QString extraFields;
};

struct ContactList {
    static constexpr int Capacity = 11;
    std::array<RobotContact, Capacity> entries;
    int count = 0;
    int lastSelected = 1; // 1-based
    bool rememberMe = false;
};
