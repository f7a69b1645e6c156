#pragma once
#include "FakePlatform.h"
#include "RecordingTransport.h"
#include "contacts/RobotList.h"
#include "link/RobotLink.h"
#include "settings/ControllerSettings.h"

// The three paths of a link, recording what leaves by each.
struct RecordingPaths {
    explicit RecordingPaths(RobotLink &link);

    RecordingTransport *cloud;
    RecordingTransport *socket;
    RecordingTransport *webRtc;

    // Every text the robot was sent, on whichever path.
    QStringList sent() const;
};

// A contact list with one robot, "Lab bench" on the direct socket, selected.
void selectRobot(ContactList &list, const QString &conferencingPeer = QStringLiteral("Other"),
                 const QString &cameraMemoryText = QStringLiteral("45:45:45:45:45:45"));

// A robot link without a window, on doubles of the platform, its three
// paths recording (or, with realPaths, its own WebSocket client and servers).
struct LinkFixture {
    explicit LinkFixture(bool realPaths = false);

    FakePlatform fake;
    RobotList robots;
    ControllerSettings settings;
    RobotLink link;
    std::unique_ptr<RecordingPaths> paths;
    RecordingTransport *cloud = nullptr;
    RecordingTransport *socket = nullptr;
    RecordingTransport *webRtc = nullptr;

    QStringList sent() const { return paths ? paths->sent() : QStringList(); }
    void selectRobot(const QString &conferencingPeer = QStringLiteral("Other"),
                     const QString &cameraMemoryText = QStringLiteral("45:45:45:45:45:45"))
    {
        ::selectRobot(robots.contactList, conferencingPeer, cameraMemoryText);
    }
};
