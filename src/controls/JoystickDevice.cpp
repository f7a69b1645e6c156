#include "controls/JoystickDevice.h"

#include "platform/Clock.h"
#include "platform/Joysticks.h"
#include "platform/Platform.h"
#include "platform/Screensaver.h"

#include <array>
#include <cmath>

namespace {

// The system's two controllers, each watched by at most one instance.
std::array<TJoystickDevice *, 2> instances{};

// Axis i (X, Y, Z, R, U, V) in each record.
constexpr quint16 TJoyAbsPos::*absolute[] = {&TJoyAbsPos::X, &TJoyAbsPos::Y, &TJoyAbsPos::Z,
                                             &TJoyAbsPos::R, &TJoyAbsPos::U, &TJoyAbsPos::V};
constexpr double TJoyRelPos::*deflection[] = {&TJoyRelPos::X, &TJoyRelPos::Y, &TJoyRelPos::Z,
                                              &TJoyRelPos::R, &TJoyRelPos::U, &TJoyRelPos::V};
constexpr quint16 TJoyRanges::*downSpan[] = {&TJoyRanges::XDown, &TJoyRanges::YDown, &TJoyRanges::ZDown,
                                             &TJoyRanges::RDown, &TJoyRanges::UDown, &TJoyRanges::VDown};
constexpr quint16 TJoyRanges::*upSpan[] = {&TJoyRanges::XUp, &TJoyRanges::YUp, &TJoyRanges::ZUp,
                                           &TJoyRanges::RUp, &TJoyRanges::UUp, &TJoyRanges::VUp};
constexpr TJoyAxis axisFlag[] = {axX, axY, axZ, axR, axU, axV};
constexpr char axisName[] = "XYZRUV";

// Buttons 1 to 4 are all that a watched device reports.
constexpr quint32 MessageButtons = 0xF;

} // namespace

TJoystickDevice::TJoystickDevice(const Platform &platform, QObject *owner)
    : QObject(owner), joysticks(*platform.joysticks), clock(*platform.clock), screensaver(*platform.screensaver),
      pollTimer(this)
{
    if (!instances[0])
        FID = 0;
    else if (!instances[1])
        FID = 1;
    else
        throw EJoystickDeviceError(QStringLiteral(
            "Not enough joysticks available for another TJoystickDevice instance. Maximum joystick count is two."));
    instances[FID] = this;

    pollTimer.setObjectName(QStringLiteral("pollTimer"));
    connect(&pollTimer, &QTimer::timeout, this, &TJoystickDevice::PollDevice);
    FActive = InitDevice(FAdvanced);
}

TJoystickDevice::~TJoystickDevice()
{
    stopWatching();
    instances[FID] = nullptr;
}

void TJoystickDevice::setActive(bool active)
{
    if (active == FActive)
        return;
    if (active) {
        FActive = InitDevice(advancedWanted);
    } else {
        stopWatching();
        FActive = false;
    }
}

void TJoystickDevice::setAdvanced(bool advanced)
{
    if (advanced == FAdvanced)
        return;
    advancedWanted = advanced;
    if (FActive)
        FActive = InitDevice(advanced);
    else
        FAdvanced = advanced;
}

void TJoystickDevice::setPollingInterval(int milliseconds)
{
    if (milliseconds == FInterval)
        return;
    if (milliseconds == 0 || !FAdvanced) {
        FInterval = 0;
        return;
    }
    FInterval = milliseconds;
    if (FActive)
        startPolling();
}

void TJoystickDevice::setThresholdFactor(double factor)
{
    if (factor == FThreshold)
        return;
    FThreshold = qBound(0.0, factor, 1.0);
    joysticks.setThreshold(FID, quint16(std::lrint(FRanges.XUp * FThreshold)));
    if (const std::optional<quint16> threshold = joysticks.threshold(FID); threshold && FRanges.XUp > 0)
        FThreshold = double(*threshold) / FRanges.XUp;
}

bool TJoystickDevice::InitDevice(bool wantAdvanced)
{
    stopWatching();
    if (FID >= joysticks.deviceCount())
        return false;
    const std::optional<JoystickReading> centre = joysticks.read(FID);
    const std::optional<JoystickCapabilities> caps = centre ? joysticks.capabilities(FID) : std::nullopt;
    if (!caps)
        return false;

    FAxisCount = std::min(caps->axisCount, caps->maxAxisCount);
    FButtonCount = std::min(caps->buttonCount, caps->maxButtonCount);
    minPeriod = caps->minPeriod;
    maxPeriod = caps->maxPeriod;
    FAxises = {};
    FCenter = FMin = FMax = {};
    FRanges = {};
    FPrevPos = {};
    FProcessedButtonOnce = FProcessedMoveOnce = false;
    takeAxis(0, centre->axes[0], *caps);
    takeAxis(1, centre->axes[1], *caps);
    if (caps->hasZ)
        takeAxis(2, centre->axes[2], *caps);

    if (!wantAdvanced || (FButtonCount <= 4 && FAxisCount <= 3)) {
        FAdvanced = false;
        FHasPOV = false;
        joysticks.capture(FID, [this](const JoystickChange &change) { HandleJoyMessage(change); });
        return true;
    }
    FAdvanced = true;
    const bool present[] = {caps->hasR, caps->hasU, caps->hasV};
    for (int axis = 3; axis < 6; ++axis) {
        if (present[axis - 3])
            takeAxis(axis, centre->axes[axis], *caps);
    }
    FHasPOV = caps->hasPOV;
    startPolling();
    return true;
}

void TJoystickDevice::takeAxis(int axis, quint16 centre, const JoystickCapabilities &caps)
{
    FAxises |= axisFlag[axis];
    FCenter.*absolute[axis] = centre;
    FMin.*absolute[axis] = caps.minimum[axis];
    FMax.*absolute[axis] = caps.maximum[axis];
    const int down = int(centre) - caps.minimum[axis];
    const int up = int(caps.maximum[axis]) - centre;
    if (down > 0 && up > 0) {
        FRanges.*downSpan[axis] = quint16(down);
        FRanges.*upSpan[axis] = quint16(up);
        return;
    }
    // Without travel on both sides of its centre the axis cannot be read as a
    // deflection; its spans stay 0 and it counts as centred.
    emit OnLog(QStringLiteral("Joystick %1 axis %2 ignored: its centre %3 is not between its limits %4 and %5")
                   .arg(FID + 1)
                   .arg(QLatin1Char(axisName[axis]))
                   .arg(centre)
                   .arg(caps.minimum[axis])
                   .arg(caps.maximum[axis]));
}

void TJoystickDevice::startPolling()
{
    FInterval = qBound(minPeriod, FInterval, maxPeriod);
    pollTimer.stop();
    pollTimer.start(FInterval);
    // A thread without an event loop gets no timer.
    if (pollTimer.timerId() <= 0)
        throw EJoystickDeviceError(QStringLiteral("Not enough timers available for joystick support"));
}

void TJoystickDevice::stopWatching()
{
    joysticks.releaseCapture(FID);
    pollTimer.stop();
}

double TJoystickDevice::relative(int axis, quint16 raw) const
{
    const quint16 centre = FCenter.*absolute[axis];
    const quint16 span = raw < centre ? FRanges.*downSpan[axis] : FRanges.*upSpan[axis];
    if (span == 0)
        return 0;
    return (double(raw) - centre) / span;
}

void TJoystickDevice::HandleJoyMessage(const JoystickChange &change)
{
    const TJoyButtons buttons(change.buttons & MessageButtons);
    switch (change.kind) {
    case JoystickChange::StickMoved:
        FPrevPos.X = relative(0, change.x);
        FPrevPos.Y = relative(1, change.y);
        DoMove(FPrevPos, buttons);
        break;
    case JoystickChange::ZMoved:
        FPrevPos.Z = relative(2, change.z);
        DoMove(FPrevPos, buttons);
        break;
    case JoystickChange::ButtonsDown: DoButtonDown(buttons); break;
    case JoystickChange::ButtonsUp: DoButtonUp(buttons); break;
    case JoystickChange::Unplugged: deviceLost(); break;
    }
}

void TJoystickDevice::PollDevice()
{
    const std::optional<JoystickReading> state = joysticks.read(FID);
    if (!state) {
        if (!joysticks.isAttached(FID))
            deviceLost();
        return;
    }
    const TJoyButtons buttons(state->buttons);
    TJoyRelPos position;
    for (int axis = 0; axis < 6; ++axis) {
        if (FAxises.testFlag(axisFlag[axis]))
            position.*deflection[axis] = relative(axis, state->axes[axis]);
    }
    const qint64 now = clock.tickMsecs();

    if (buttons.isEmpty()) {
        FPrevButtonTick = now;
        FProcessedButtonOnce = false;
    } else if (now >= FPrevButtonTick + FRepeatButtonDelay || !FProcessedButtonOnce) {
        DoButtonDown(buttons);
        FProcessedButtonOnce = true;
    }

    if (position.isRest()) {
        // The stick let go after a deflection was reported: whoever drives
        // from it must hear that it is back at rest.
        if (FProcessedMoveOnce)
            DoMove(position, buttons);
        FPrevMoveTick = now;
        FProcessedMoveOnce = false;
    } else if (now >= FPrevMoveTick + FRepeatMoveDelay || !FProcessedMoveOnce) {
        DoMove(position, buttons);
        FProcessedMoveOnce = true;
    }

    if (FHasPOV && state->pov != FPrevPOV) {
        FPrevPOV = state->pov;
        DoPOVChanged(state->pov);
    }
}

void TJoystickDevice::deviceLost()
{
    stopWatching();
    FActive = false;
    FPrevPos = {};
    FProcessedButtonOnce = FProcessedMoveOnce = false;
    // A controller pulled out mid-drive is as good as a released stick.
    DoMove(FPrevPos, TJoyButtons());
    emit OnLost(this);
}

void TJoystickDevice::DoButtonDown(TJoyButtons buttons)
{
    emit OnButtonDown(this, buttons);
}

void TJoystickDevice::DoButtonUp(TJoyButtons buttons)
{
    emit OnButtonUp(this, buttons);
    activityShown();
}

void TJoystickDevice::DoMove(const TJoyRelPos &position, TJoyButtons buttons)
{
    emit OnMove(this, position, buttons);
    activityShown();
}

void TJoystickDevice::DoPOVChanged(quint32 hundredths)
{
    emit OnPOVChanged(this, float(hundredths / 100.0));
    activityShown();
}

void TJoystickDevice::activityShown()
{
    if (FSuspendScreensaver)
        screensaver.restartIdleTime();
}
