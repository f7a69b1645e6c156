#pragma once
#include <QString>

// What a message from the robot is, decided by its first characters. The
// kinds are tested in this order and the first match wins, which matters
// where keys overlap ("PASS" before the "P" drive alerts, "BUSY" before the
// "B" messages, "Z" only as the whole message).
enum class MessageKind {
    PingEcho,           // begins with "PING"
    AdminChannel,       // begins with "AdminChannel"
    UserPasswordError,  // begins with "UPERROR"
    LowBatteryCallEnd,  // begins with "FC1"
    Proximity,          // first character "K"
    Busy,               // begins with "BUSY"
    SessionEnd,         // equals "Z"
    BoardSerialNumber,  // begins with "boardSerialNumber"
    RobotSerialNumber,  // begins with "robotSerialNumber"
    WifiRadioCount,     // begins with "wifiNo"
    LoginAnswer,        // begins with "AUTH"
    PasswordAnswer,     // begins with "PASS"
    Battery,            // first character "b", two characters or more
    IgnoredB,           // first character "B", two characters or more
    Trs,                // equals "TRS"
    CallFailed,         // begins with "CALLFAILED"
    WifiAck,            // equals "ACKWIFI"
    UserList,           // first character "#"
    UserListAck,        // equals "ACKUSER"
    ControllerMismatch, // equals "CONTROLLERMISMATCH"
    Wireless,           // first character "W"
    DriveAlert,         // first character "P"
    NetworkScan,        // first character "E"
    HeadType,           // begins with "headType"
    LaserPresent,       // begins with "laserPresent"
    CloudConnected,     // begins with "CONNSUC"
    CloudTrying,        // begins with "CONNTRY"
    CloudEnded,         // begins with "CONNEND"
    Unknown,
};

MessageKind classifyMessage(const QString &message);
