#pragma once
#include "SimRobot.h"
#include "UserAccounts.h"

#include <QMap>
#include <QObject>
#include <QString>

struct ProtocolSettings {
    LoginForm loginForm = LoginForm::Digest;
    int maxSpeed = 100;
};

// The robot's side of the direct socket: reads each frame's stamp and the
// command after it, signs one controller in at a time, carries out its
// commands on the robot and answers them, and, while a controller is signed
// in, sends the battery, wireless and proximity reports at a steady pace and
// a drive alert when the robot runs into something. Connections are numbers
// given by the transport; time advances only through advance().
class RobotProtocol : public QObject {
    Q_OBJECT
public:
    static constexpr int proximityEveryMs = 500;
    static constexpr int wirelessEveryMs = 2000;
    static constexpr int batteryEveryMs = 5000;

    RobotProtocol(SimRobot &robot, const UserAccounts &accounts, const ProtocolSettings &settings,
                  QObject *parent = nullptr);

    // localAddress: the robot's own address as the controller reached it.
    void connectionOpened(int connection, const QString &localAddress);
    void frameReceived(int connection, const QString &frame);
    void connectionClosed(int connection);
    void advance(int milliseconds);

    // Sends any text to the signed-in controller, or to every connection
    // when none is signed in; false when there is no connection at all.
    bool sendScripted(const QString &text);
    // Says "Z" to the signed-in controller and ends its session; false when
    // there is none.
    bool sayGoodbye();
    // Sends the wireless networks in view; false when no one is signed in.
    bool sendNetworkScan();

    bool inSession() const { return holder >= 0; }
    // The signed-in controller's connection, -1 when none.
    int sessionConnection() const { return holder; }
    const UserAccount &signedInUser() const { return user; }
    const UserAccounts &accounts() const { return users; }
    int maxSpeed() const { return settings.maxSpeed; }

signals:
    void textOut(int connection, const QString &text);
    void logLine(const QString &line);

private:
    void handle(const QString &command);
    void login(int connection, const QString &command);
    void endSession(const QString &why);
    void reply(int connection, const QString &text);
    void answer(const QString &text) { reply(holder, text); }
    void note(int connection, const QString &text);
    void sendReports(int milliseconds);

    void drive(const QString &command);
    void camera(const QString &command);
    void headlights(const QString &command);
    void switchAccessory(const QString &command);
    void acceleration(const QString &command);
    void driveTimeOut(const QString &value);
    void sendUserList();
    void uploadUsers(const QString &command);
    void changePassword(const QString &command);
    void switchNetwork(const QString &command);

    SimRobot &robot;
    UserAccounts users;
    ProtocolSettings settings;
    QMap<int, QString> addresses;
    int holder = -1;
    UserAccount user;
    int sinceProximity = 0;
    int sinceWireless = 0;
    int sinceBattery = 0;
};
