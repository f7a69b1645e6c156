#pragma once
#include <QtGlobal>

#include <array>
#include <functional>
#include <memory>
#include <optional>

// The game controllers attached to the computer, numbered from 0 in the order
// the system lists them. Axis positions are raw unsigned 16-bit values in the
// order X, Y, Z, R, U, V.
using JoystickAxisValues = std::array<quint16, 6>;

struct JoystickCapabilities {
    int axisCount = 0;
    int maxAxisCount = 0; // the most axes this interface reports
    int buttonCount = 0;
    int maxButtonCount = 0;
    JoystickAxisValues minimum{};
    JoystickAxisValues maximum{};
    bool hasZ = false, hasR = false, hasU = false, hasV = false; // X and Y are always there
    bool hasPOV = false;
    int minPeriod = 0; // the shortest and longest sensible polling periods, in ms
    int maxPeriod = 0;
};

// The hat's reading when it is not pressed in any direction.
inline constexpr quint32 HatCentred = 65535;

struct JoystickReading {
    JoystickAxisValues axes{};
    quint32 buttons = 0;      // button n is bit n-1
    quint32 pov = HatCentred; // hundredths of a degree clockwise from forward
};

// A change seen on a watched joystick: the stick (X and Y) or the Z axis moved
// by more than the threshold, buttons 1 to 4 went down or up, or the device is
// gone. buttons holds those of buttons 1 to 4 that are down.
struct JoystickChange {
    enum Kind { StickMoved, ZMoved, ButtonsDown, ButtonsUp, Unplugged };
    Kind kind;
    quint16 x = 0, y = 0, z = 0;
    quint32 buttons = 0;
};

class Joysticks {
public:
    virtual ~Joysticks() = default;
    // Also notices controllers attached or removed since the last call.
    virtual int deviceCount() = 0;
    virtual std::optional<JoystickCapabilities> capabilities(int id) = 0;
    // The full state now; nothing when the device cannot be read.
    virtual std::optional<JoystickReading> read(int id) = 0;
    // Whether the device last read as id is still there (after a failed read:
    // whether it failed because the controller was unplugged).
    virtual bool isAttached(int id) = 0;

    // Watches the device and reports every change to onChange until released.
    virtual void capture(int id, std::function<void(const JoystickChange &)> onChange) = 0;
    virtual void releaseCapture(int id) = 0;
    // The raw distance an axis must move before a watched device reports it.
    virtual bool setThreshold(int id, quint16 threshold) = 0;
    virtual std::optional<quint16> threshold(int id) = 0;
};

struct SdlLibrary;

// Controllers through SDL's joystick subsystem (no window needed), started
// when a joystick is first looked for.
class SdlJoysticks : public Joysticks {
public:
    SdlJoysticks();
    ~SdlJoysticks() override;

    int deviceCount() override;
    std::optional<JoystickCapabilities> capabilities(int id) override;
    std::optional<JoystickReading> read(int id) override;
    bool isAttached(int id) override;
    void capture(int id, std::function<void(const JoystickChange &)> onChange) override;
    void releaseCapture(int id) override;
    bool setThreshold(int id, quint16 threshold) override;
    std::optional<quint16> threshold(int id) override;

    // How often a captured device is looked at.
    static constexpr int WatchPeriod = 10;

private:
    struct Device;
    Device *device(int id);
    // SDL with its joystick subsystem running; null when it cannot start
    const SdlLibrary *started();
    const SdlLibrary *sdl = nullptr;
    bool startTried = false;
    void reportChanges(int id);
    std::array<std::unique_ptr<Device>, 2> devices;
};
