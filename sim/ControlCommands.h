#pragma once
#include <QObject>
#include <QString>

class RobotProtocol;
class SimRobot;

// The simulator's scripting commands, one per line, each answered with one
// line:
//   send TEXT        any message to the controller
//   say-z            "Z" to the controller, ending its session
//   scan             the wireless networks in view
//   battery PERCENT  set the battery level
//   charger on|off   put the robot on its charger or take it off
//   pose             where the robot stands: x and y in metres, heading in degrees
//   quit             end the simulator
class ControlCommands : public QObject {
    Q_OBJECT
public:
    ControlCommands(RobotProtocol &protocol, SimRobot &robot, QObject *parent = nullptr)
        : QObject(parent), protocol(protocol), robot(robot) {}

    QString execute(const QString &line);

signals:
    void quitRequested();

private:
    RobotProtocol &protocol;
    SimRobot &robot;
};
