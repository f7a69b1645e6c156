#include "platform/Joysticks.h"

#include "platform/SdlLibrary.h"

#include <QTimer>

#include <cstdlib>

struct SdlJoysticks::Device {
    SDL_Joystick *handle = nullptr;
    quint16 threshold = 0;
    std::unique_ptr<QTimer> watch;
    std::function<void(const JoystickChange &)> onChange;
    JoystickReading reported; // what the watch last reported
};

namespace {

quint16 rawAxis(Sint16 value)
{
    return quint16(int(value) + 32768);
}

quint32 hatHundredths(Uint8 hat)
{
    switch (hat) {
    case SDL_HAT_UP: return 0;
    case SDL_HAT_RIGHTUP: return 4500;
    case SDL_HAT_RIGHT: return 9000;
    case SDL_HAT_RIGHTDOWN: return 13500;
    case SDL_HAT_DOWN: return 18000;
    case SDL_HAT_LEFTDOWN: return 22500;
    case SDL_HAT_LEFT: return 27000;
    case SDL_HAT_LEFTUP: return 31500;
    default: return HatCentred;
    }
}

bool movedBeyond(quint16 from, quint16 to, quint16 threshold)
{
    return std::abs(int(to) - int(from)) > threshold;
}

// Opens the device listed as id unless it is open already.
bool open(const SdlLibrary &sdl, SDL_Joystick *&handle, int id)
{
    if (!handle && id < sdl.NumJoysticks())
        handle = sdl.JoystickOpen(id);
    return handle;
}

} // namespace

SdlJoysticks::SdlJoysticks()
{
    for (auto &device : devices)
        device = std::make_unique<Device>();
}

SdlJoysticks::~SdlJoysticks()
{
    if (!sdl)
        return;
    for (auto &device : devices) {
        if (device->handle)
            sdl->JoystickClose(device->handle);
    }
    sdl->QuitSubSystem(SDL_INIT_JOYSTICK);
}

const SdlLibrary *SdlJoysticks::started()
{
    if (sdl || startTried)
        return sdl;
    startTried = true;
    const SdlLibrary *library = sdlLibrary();
    if (!library)
        return nullptr;
    // SDL would otherwise take over SIGINT and SIGTERM, which end the
    // controller at once.
    library->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Without a subsystem every call finds no device.
    if (library->InitSubSystem(SDL_INIT_JOYSTICK) != 0)
        return nullptr;
    // States are read when needed; unread events would only pile up.
    library->JoystickEventState(SDL_IGNORE);
    sdl = library;
    return sdl;
}

SdlJoysticks::Device *SdlJoysticks::device(int id)
{
    return id >= 0 && id < int(devices.size()) ? devices[id].get() : nullptr;
}

int SdlJoysticks::deviceCount()
{
    if (!started())
        return 0;
    sdl->JoystickUpdate();
    return sdl->NumJoysticks();
}

std::optional<JoystickCapabilities> SdlJoysticks::capabilities(int id)
{
    Device *d = device(id);
    if (!d || !started() || !open(*sdl, d->handle, id))
        return std::nullopt;
    JoystickCapabilities caps;
    caps.axisCount = sdl->JoystickNumAxes(d->handle);
    caps.maxAxisCount = 6;
    caps.buttonCount = sdl->JoystickNumButtons(d->handle);
    caps.maxButtonCount = 32;
    caps.maximum.fill(65535);
    caps.hasZ = caps.axisCount > 2;
    caps.hasR = caps.axisCount > 3;
    caps.hasU = caps.axisCount > 4;
    caps.hasV = caps.axisCount > 5;
    caps.hasPOV = sdl->JoystickNumHats(d->handle) > 0;
    // SDL reads a state at any rate; below the watch's own period nothing new
    // can be seen, and beyond a second the stick no longer drives.
    caps.minPeriod = WatchPeriod;
    caps.maxPeriod = 1000;
    return caps;
}

std::optional<JoystickReading> SdlJoysticks::read(int id)
{
    Device *d = device(id);
    if (!d || !started())
        return std::nullopt;
    sdl->JoystickUpdate();
    if (d->handle && !sdl->JoystickGetAttached(d->handle)) {
        sdl->JoystickClose(d->handle);
        d->handle = nullptr;
        return std::nullopt;
    }
    if (!open(*sdl, d->handle, id))
        return std::nullopt;
    JoystickReading reading;
    const int axes = std::min(sdl->JoystickNumAxes(d->handle), int(reading.axes.size()));
    for (int axis = 0; axis < int(reading.axes.size()); ++axis)
        reading.axes[axis] = rawAxis(axis < axes ? sdl->JoystickGetAxis(d->handle, axis) : 0);
    const int buttons = std::min(sdl->JoystickNumButtons(d->handle), 32);
    for (int button = 0; button < buttons; ++button) {
        if (sdl->JoystickGetButton(d->handle, button))
            reading.buttons |= quint32(1) << button;
    }
    if (sdl->JoystickNumHats(d->handle) > 0)
        reading.pov = hatHundredths(sdl->JoystickGetHat(d->handle, 0));
    return reading;
}

bool SdlJoysticks::isAttached(int id)
{
    Device *d = device(id);
    return d && d->handle && sdl->JoystickGetAttached(d->handle); // a handle means SDL started
}

void SdlJoysticks::capture(int id, std::function<void(const JoystickChange &)> onChange)
{
    Device *d = device(id);
    if (!d)
        return;
    d->onChange = std::move(onChange);
    d->reported = read(id).value_or(JoystickReading{});
    if (!d->watch) {
        d->watch = std::make_unique<QTimer>();
        QObject::connect(d->watch.get(), &QTimer::timeout, [this, id] { reportChanges(id); });
    }
    d->watch->start(WatchPeriod);
}

void SdlJoysticks::reportChanges(int id)
{
    Device *d = device(id);
    // The receiver may release or renew the capture while it handles a change.
    const auto report = [d, onChange = d->onChange](const JoystickChange &change) {
        onChange(change);
        return d->watch->isActive();
    };
    const std::optional<JoystickReading> now = read(id);
    if (!now) {
        if (!isAttached(id)) {
            d->watch->stop();
            report({JoystickChange::Unplugged});
        }
        return;
    }
    JoystickReading &was = d->reported;
    const quint32 buttons = now->buttons & 0xF;
    if (movedBeyond(was.axes[0], now->axes[0], d->threshold) || movedBeyond(was.axes[1], now->axes[1], d->threshold)) {
        was.axes[0] = now->axes[0];
        was.axes[1] = now->axes[1];
        if (!report({JoystickChange::StickMoved, now->axes[0], now->axes[1], 0, buttons}))
            return;
    }
    if (movedBeyond(was.axes[2], now->axes[2], d->threshold)) {
        was.axes[2] = now->axes[2];
        if (!report({JoystickChange::ZMoved, 0, 0, now->axes[2], buttons}))
            return;
    }
    const quint32 wasButtons = was.buttons & 0xF;
    was.buttons = buttons;
    if ((wasButtons & ~buttons) && !report({JoystickChange::ButtonsUp, 0, 0, 0, buttons}))
        return;
    if (buttons & ~wasButtons)
        report({JoystickChange::ButtonsDown, 0, 0, 0, buttons});
}

void SdlJoysticks::releaseCapture(int id)
{
    if (Device *d = device(id); d && d->watch)
        d->watch->stop();
}

bool SdlJoysticks::setThreshold(int id, quint16 threshold)
{
    if (!isAttached(id))
        return false;
    device(id)->threshold = threshold;
    return true;
}

std::optional<quint16> SdlJoysticks::threshold(int id)
{
    if (!isAttached(id))
        return std::nullopt;
    return device(id)->threshold;
}
