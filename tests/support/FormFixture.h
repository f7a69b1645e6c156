#pragma once
#include "LinkFixture.h"
#include "ui/TForm2.h"

// A main window on doubles of the platform, its link's three paths
// recording (or, with realPaths, its own WebSocket client and servers).
struct FormFixture {
    explicit FormFixture(bool realPaths = false);

    FakePlatform fake;
    std::unique_ptr<TForm2> form;
    RecordingTransport *cloud = nullptr;
    RecordingTransport *socket = nullptr;
    RecordingTransport *webRtc = nullptr;

    // Every text the robot was sent, on whichever path.
    QStringList sent() const;
    // A contact list with one robot, selected.
    void selectRobot(const QString &conferencingPeer = QStringLiteral("Other"),
                     const QString &cameraMemoryText = QStringLiteral("45:45:45:45:45:45"))
    {
        ::selectRobot(form->contactList, conferencingPeer, cameraMemoryText);
    }

private:
    std::unique_ptr<RecordingPaths> paths;
};
