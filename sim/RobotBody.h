#pragma once
#include "Room.h"

#include <QPointF>

// Where the robot stands: metres, and the heading in radians counter-clockwise
// from east, within (-pi, pi].
struct Pose {
    double x = 0;
    double y = 0;
    double heading = 0;
    QPointF centre() const { return {x, y}; }
};

// What the proximity sensors see, in centimetres from the body's edge, 0 to
// 60 (60 meaning nothing within reach): the floor below the front edge (a
// cliff reads far), and obstacles to the front right, ahead and front left.
struct Proximity {
    int cliff = 0;
    int right = 0;
    int ahead = 0;
    int left = 0;
};

// The round differential-drive body. Wheel speeds are in percent of top
// speed; they follow the demanded speeds at the acceleration setting, fall
// back to zero when no drive command has come for the drive time-out, and the
// body never moves into a wall or furniture. Time advances only through
// advance(), so tests step it exactly.
class RobotBody {
public:
    static constexpr double radius = 0.2;     // metres
    static constexpr double wheelBase = 0.32; // metres between the wheels
    static constexpr double topSpeed = 0.5;   // metres per second at 100 %
    static constexpr int slowestAcceleration = 5;
    static constexpr int fastestAcceleration = 20;
    static constexpr int shortestDriveTimeOut = 250; // milliseconds
    static constexpr int longestDriveTimeOut = 2000;

    RobotBody(const Room &room, const Pose &start);

    // Demands for both wheels, -99 to 99 percent; restarts the drive time-out.
    void drive(int leftPercent, int rightPercent);
    // Both wheels stop at once.
    void stop();
    // 5 (slow) to 20 (fast): the wheels change speed by 20 times the setting,
    // in percent per second, so 5 reaches full speed in a second.
    void setAcceleration(int setting);
    // Clamped to 250..2000 milliseconds.
    void setDriveTimeOut(int milliseconds);
    void place(const Pose &pose);

    // Moves on by milliseconds of simulated time. Returns true when the body
    // ran into something during this call, after it had been moving freely:
    // it then stands against the obstacle with its wheels stopped.
    bool advance(int milliseconds);

    const Room &room() const { return floor; }
    const Pose &pose() const { return where; }
    double leftSpeed() const { return leftWheel; }
    double rightSpeed() const { return rightWheel; }
    int acceleration() const { return accelerationSetting; }
    int driveTimeOut() const { return timeOutMs; }
    Proximity proximity() const;

private:
    // One short step; true when it ran into something after moving freely.
    bool step(int milliseconds);
    void moveToContact(const Pose &next);
    int readingTowards(double angle) const;

    Room floor;
    Pose where;
    double leftWheel = 0;
    double rightWheel = 0;
    double leftDemand = 0;
    double rightDemand = 0;
    int accelerationSetting = 10;
    int timeOutMs = 1000;
    int sinceDriveMs = 0;
    bool blocked = false;
};
