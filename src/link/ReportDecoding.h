#pragma once
#include <QString>
#include <optional>

// What the robot's battery, wireless and proximity reports mean for the
// indicators. A number that does not read raises a LinkError, which ends the
// handling of the report.

// The battery level picture batt0 (below 10 %) to batt6 (85 % or more).
int batteryPicture(int percent);

// The wireless picture wifi0 (below 20 %) to wifi4 (80 % or more).
int wifiPicture(int strength);
constexpr int NoWirelessPicture = -1;

enum class BatteryKind {
    OnBattery, // "bd" x "," hours left "," percent (x unused)
    Charging,  // "bc" percent
    Full,      // "be"
    Absent,    // "bx"
    Unknown,   // any other second character: the indicator is hidden
};

struct BatteryReport {
    BatteryKind kind = BatteryKind::Unknown;
    int levelPicture = -1; // batt0..batt6; -1 for none
    bool chargingOverlay = false;
    QString tooltip;
    std::optional<int> percent; // the new battery percentage; none leaves it
    int state = -1;             // 1 on battery, 2 charging, 0 full, -1 absent or unknown
    // On battery at 1 to 25 %: remote charging of the head, when on, is
    // switched off.
    bool lowForRemoteCharging = false;
};

// A message of "b" and at least one more character. tableTop: the robot is
// the table-top edition, whose reports carry no useful remaining time.
BatteryReport decodeBatteryReport(const QString &message, bool tableTop);

// "W" network ":" strength in percent, or "W~eth~..." on a cable.
struct WirelessReport {
    bool ethernet = false;
    QString network;
    QString strengthText;
    QString tooltip;

    // The strength as a number, blanks around it ignored.
    int strength() const;
};
// Never raises: a report without ":" has an empty network and the whole
// message as its strength text, which then does not read.
WirelessReport decodeWirelessReport(const QString &message);

// Proximity report "K" followed by four two-character readings. The reading
// of a sensor (0..3): the slice less 5, or 0 when the message is too short to
// hold it.
int proximityReading(const QString &message, int sensor);

// The first sensor looks down in front of the robot: above 50 there is no
// floor ahead.
bool cliffAhead(int firstReading);

enum class BarColour { White, Red };

// How one of the two obstacle bars over the drive pad shows a reading.
struct ProximityBar {
    int height = 0;
    BarColour colour = BarColour::White;
    int reading = 0; // the reading as it is kept: at most 60
};
// A negative reading empties the bar and keeps its colour. Otherwise readings
// above 60 count as 60, the bar is red below 30 and turns white again only
// above 30, and it is 45 pixels high at 0, shrinking to nothing at 60.
ProximityBar proximityBar(int reading, BarColour colour);
