#pragma once
#include "FakePlatform.h"
#include "RecordingTransport.h"
#include "ui/TForm2.h"

// A main window on doubles of the platform, its three paths recording.
struct FormFixture {
    FormFixture();

    FakePlatform fake;
    RecordingTransport *cloud;
    RecordingTransport *socket;
    RecordingTransport *webRtc;
    std::unique_ptr<TForm2> form;

    // Every text the robot was sent, on whichever path.
    QStringList sent() const;
    // A contact list with one robot, selected.
    void selectRobot(const QString &conferencingPeer = QStringLiteral("Other"),
                     const QString &cameraMemoryText = QStringLiteral("45:45:45:45:45:45"));
};
