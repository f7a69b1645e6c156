#pragma once
#include <QList>
#include <QString>
#include <optional>

// The robot's report of the wireless networks it sees, as the "Wifi Selector"
// dialog lists them, and the command that switches the robot to one. The
// report is the robot's message with every blank replaced by "~": a tag,
// then ":" name "," quality for each network.

// The robot's report lists networks as the dialog shows them: at most eight.
constexpr int WifiRowCapacity = 8;

struct WifiRow {
    QString name;         // blanks restored
    QString qualityText;  // as the robot sent it
    QString strengthText; // quality as a percentage of 70, e.g. "90% "; empty when the quality is no number
    bool current = false; // the network the robot uses now
};

struct WifiScan {
    QList<WifiRow> rows;
    // The quality the switch command carries: the one of the row built last,
    // whichever network is chosen.
    QString lastQualityText;
};

// The first eight networks of the report; currentNetwork is compared with
// each name, both trimmed, case-sensitively.
WifiScan decodeWifiScan(const QString &networkScanText, const QString &currentNetwork);

// Why the chosen row (-1: none) cannot be switched to, as the warning the
// dialog shows; empty when it can.
QString wifiChoiceProblem(const WifiScan &scan, int chosenRow, const QString &currentNetwork);

// "Y," network "," the last row's quality; none for a name of fewer than two
// characters, which sends nothing.
std::optional<QString> wifiSwitchCommand(const QString &requestedNetwork, const WifiScan &scan);
