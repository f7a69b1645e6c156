#include "link/MessageKind.h"

#include <array>

namespace {

enum class Match { BeginsWith, FirstCharacter, FirstOfTwoOrMore, Equals };

struct Test {
    Match match;
    const char *key;
    MessageKind kind;
};

constexpr std::array<Test, 28> tests{{
    {Match::BeginsWith, "PING", MessageKind::PingEcho},
    {Match::BeginsWith, "AdminChannel", MessageKind::AdminChannel},
    {Match::BeginsWith, "UPERROR", MessageKind::UserPasswordError},
    {Match::BeginsWith, "FC1", MessageKind::LowBatteryCallEnd},
    {Match::FirstCharacter, "K", MessageKind::Proximity},
    {Match::BeginsWith, "BUSY", MessageKind::Busy},
    {Match::Equals, "Z", MessageKind::SessionEnd},
    {Match::BeginsWith, "boardSerialNumber", MessageKind::BoardSerialNumber},
    {Match::BeginsWith, "robotSerialNumber", MessageKind::RobotSerialNumber},
    {Match::BeginsWith, "wifiNo", MessageKind::WifiRadioCount},
    {Match::BeginsWith, "AUTH", MessageKind::LoginAnswer},
    {Match::BeginsWith, "PASS", MessageKind::PasswordAnswer},
    {Match::FirstOfTwoOrMore, "b", MessageKind::Battery},
    {Match::FirstOfTwoOrMore, "B", MessageKind::IgnoredB},
    {Match::Equals, "TRS", MessageKind::Trs},
    {Match::BeginsWith, "CALLFAILED", MessageKind::CallFailed},
    {Match::Equals, "ACKWIFI", MessageKind::WifiAck},
    {Match::FirstCharacter, "#", MessageKind::UserList},
    {Match::Equals, "ACKUSER", MessageKind::UserListAck},
    {Match::Equals, "CONTROLLERMISMATCH", MessageKind::ControllerMismatch},
    {Match::FirstCharacter, "W", MessageKind::Wireless},
    {Match::FirstCharacter, "P", MessageKind::DriveAlert},
    {Match::FirstCharacter, "E", MessageKind::NetworkScan},
    {Match::BeginsWith, "headType", MessageKind::HeadType},
    {Match::BeginsWith, "laserPresent", MessageKind::LaserPresent},
    {Match::BeginsWith, "CONNSUC", MessageKind::CloudConnected},
    {Match::BeginsWith, "CONNTRY", MessageKind::CloudTrying},
    {Match::BeginsWith, "CONNEND", MessageKind::CloudEnded},
}};

bool matches(const Test &test, const QString &message)
{
    const QLatin1String key(test.key);
    switch (test.match) {
    case Match::BeginsWith: return message.startsWith(key);
    case Match::FirstCharacter: return !message.isEmpty() && message[0] == key[0];
    case Match::FirstOfTwoOrMore: return message.size() >= 2 && message[0] == key[0];
    case Match::Equals: return message == key;
    }
    return false;
}

} // namespace

MessageKind classifyMessage(const QString &message)
{
    for (const Test &test : tests)
        if (matches(test, message))
            return test.kind;
    return MessageKind::Unknown;
}
