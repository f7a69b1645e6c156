#pragma once
#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

#include "paths/ControlPath.h"

// The one record of the live robot connection, owned by the main window.
// Date-time fields are local wall-clock milliseconds (0 = never).
struct LinkState {
    // The path messages leave by: at most one at a time, none between
    // sessions (never Auto, which only chooses among the others).
    std::optional<ControlPath> activePath;
    bool pathCloud() const { return activePath == ControlPath::CloudService; }
    bool pathSocket() const { return activePath == ControlPath::DirectSocket; }
    bool pathWebRtc() const { return activePath == ControlPath::WebRTC; }
    int pathAttempt = int(ControlPath::Auto); // path tried or in use
    bool autoFallback = false;
    int cloudSessionId = 0;
    QString robotAddress;
    QString pythonPath;

    // sign-in
    int loginType = 0; // 1: credentials in clear, otherwise as digests
    bool loginRequested = false;
    bool sessionOpen = false;
    bool inSession = false;
    bool avReminderShown = false;
    int loginResendCount = 0; // never reset: at most three resends a run
    QString lastResendStamp;

    // link health
    qint64 lastPingTime = 0;
    QString lastPingStamp;
    qint64 FStartTime = 0;
    int unansweredPings = 0;            // pings sent since the last echo
    qint64 firstUnansweredPingTime = 0; // the link has been silent since then

    // the signed-in user
    bool isAdmin = false;
    int maxSpeed = 100;

    // what the robot told about itself
    QString robotModel; // a model beginning with "T" is the table-top edition
    QString robotGeneration;
    bool accessoryFlagsKnown = false;
    bool panPresent = false;
    bool pan360 = false;
    bool multiRadioPresent = false;
    bool headlightsPresent = false;
    bool laserPresent = false;
    QString boardSerialNumber;
    QString robotSerialNumber;
    QString headType;
    int wifiRadioCount = 0;

    // accessories
    int headlightLevel = 0; // 0 off, 1 low, 2 medium, 3 high
    bool laserOn = false;
    bool remoteChargingOn = false;

    // reports
    int batteryPercent = 0;
    int batteryState = 0; // 1 on battery, 2 charging, 0 full, -1 absent
    std::array<int, 4> sensorReadings{};

    // texts handed from the dispatcher to the dialogs
    QString adminChannelReply;
    bool wifiSwitchPending = false;
    QString currentNetwork;
    QString requestedNetwork;
    QString networkScanText;
    QString userListText;
};
