#pragma once
#include "Battery.h"
#include "RobotBody.h"

#include <QString>
#include <QVector>

// What the robot tells a controller about itself.
struct RobotFacts {
    // Accessory bits of the login answer.
    static constexpr unsigned panMount = 0x40;
    static constexpr unsigned pan360 = 0x20;
    static constexpr unsigned multiRadio = 0x10;
    static constexpr unsigned headlights = 0x08;

    // The model text of the login answer. A table-top model (beginning with
    // "T") has its firmware in characters 1-2 and hardware in 3-4, any other
    // model its firmware in character 2 and hardware in 4; then both kinds
    // the serial code (5-6, "AA": see the robot serial number) and from 7 on
    // the robot application's version.
    QString model = QStringLiteral("M3-2AA3.71");
    unsigned accessories = panMount | pan360 | multiRadio | headlights;
    QString generation = QStringLiteral("1");
    QString headType = QStringLiteral("ipad2");
    bool laserFitted = true;
    QString boardSerialNumber = QStringLiteral("VSB-SIM-0001");
    QString robotSerialNumber = QStringLiteral("VSR-SIM-0001");

    // Model codes beginning with "T" are the table-top edition, which has no
    // headlights.
    bool tableTop() const { return model.startsWith(u'T'); }
    bool panFitted() const { return accessories & panMount; }
    bool headlightsFitted() const { return (accessories & headlights) && !tableTop(); }
    int wirelessRadios() const { return accessories & multiRadio ? 2 : 1; }
};

// A wireless network the robot can see; quality on the scale of 0 to 70.
struct WirelessNetwork {
    QString name;
    int quality = 0;
};

// Everything the simulated robot is: its body in the room, its battery, the
// head's pan/tilt mount, the headlights, the laser, the head device's
// charging and its wireless link.
class SimRobot {
public:
    explicit SimRobot(const RobotFacts &facts, const Room &room = Room::standard());

    const RobotFacts &facts() const { return robotFacts; }
    RobotBody &body() { return robotBody; }
    const RobotBody &body() const { return robotBody; }
    Battery &battery() { return robotBattery; }
    const Battery &battery() const { return robotBattery; }

    // Camera positions as the controller sends them: pan 0 (right end) to
    // 180 (left end), 90 straight ahead; tilt 45 (up) to 150 (down), 90 level.
    void setPan(int value);
    void setTilt(int value);
    int pan() const { return panValue; }
    int tilt() const { return tiltValue; }
    // The camera's direction relative to the heading, degrees counter-clockwise.
    int panDegrees() const { return panValue - 90; }
    // Degrees above the horizon (negative below).
    int tiltDegrees() const { return 90 - tiltValue; }

    void setHeadlights(int percent);
    int headlights() const { return headlightPercent; }
    void setLaser(bool on) { laser = on; }
    bool laserOn() const { return laser; }
    void setHeadCharging(bool on) { headCharging = on; }
    bool headChargingOn() const { return headCharging; }
    // On the charger the robot feeds the head device itself; remote charging
    // of the head is switched off.
    void setOnCharger(bool on);

    const QVector<WirelessNetwork> &networks() const { return visibleNetworks; }
    const QString &currentNetwork() const { return network; }
    // Joins a network it can see; false for any other name.
    bool joinNetwork(const QString &name);
    // Signal strength in percent: the network's quality, weakening with the
    // distance from the access point in the room's south-west corner.
    int signalPercent() const;

    // Moves time on; true when the body ran into something.
    bool advance(int milliseconds);

private:
    RobotFacts robotFacts;
    RobotBody robotBody;
    Battery robotBattery;
    int panValue = 90;
    int tiltValue = 90;
    int headlightPercent = 0;
    bool laser = false;
    bool headCharging = false;
    QVector<WirelessNetwork> visibleNetworks;
    QString network;
};
