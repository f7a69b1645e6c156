#pragma once
#include "SimRobot.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The texts the robot sends to a controller. They carry no framing: the key
// stands at the first character.

// "AUTH:" admin ":" maximum speed ":" TRUE/FALSE ":" model ":" accessory
// flags in hexadecimal ":" generation, e.g. AUTH:1:100:TRUE:M3-2AA3.71:78:1.
QString loginAnswer(bool admin, int maxSpeed, const RobotFacts &facts);
// The facts a robot announces after a login: board and robot serial numbers,
// wireless radios, head type and whether a laser is fitted.
QStringList factAnnouncements(const RobotFacts &facts);
// "K" and four two-digit readings, each 5 more than its value: cliff, front
// right, ahead, front left; e.g. K15650837.
QString proximityReport(const Proximity &proximity);
// "bd" 12 "," hours left "," percent on battery; "bc" percent on the
// charger; "be" when full on the charger.
QString batteryReport(const Battery &battery);
// "W" network ":" signal percent.
QString wirelessReport(const QString &network, int signalPercent);
// "E" and ":" name "," quality for each network in view.
QString networkScan(const QVector<WirelessNetwork> &networks);
// "#" the robot's address "%" and the entries separated by "%".
QString userList(const QString &address, const QStringList &entries);
