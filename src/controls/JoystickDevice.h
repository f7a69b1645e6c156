#pragma once
#include "controls/JoystickTypes.h"
#include "link/LinkError.h"

#include <QObject>
#include <QString>
#include <QTimer>

class Clock;
class Joysticks;
class Screensaver;
struct JoystickCapabilities;
struct JoystickChange;
struct Platform;

class EJoystickDeviceError : public LinkError {
public:
    using LinkError::LinkError;
};

// Watches one game controller and reports its buttons, stick and hat.
//
// Devices with at most 4 buttons and 3 axes, and every device unless Advanced
// is set, are watched for changes (message mode): each change of the stick
// beyond the threshold and each press or release of buttons 1 to 4 is one
// event. Otherwise the device is polled every PollingInterval ms with all six
// axes, 32 buttons and the hat: a pressed button or deflected stick raises one
// event at once, then none until the repeat delay has passed since the last
// poll at rest, then one on every poll. Polling raises no button-up events.
//
// Whoever drives from the stick must stop when it is let go or lost: the return
// to rest is always reported, and an unplugged controller reports a move to
// rest, then OnLost, and leaves the component inactive.
//
// At most two instances exist, for the system's first and second controller.
// The device present at creation is watched at once, in message mode; one
// attached later is picked up when Active is written.
class TJoystickDevice : public QObject {
    Q_OBJECT
public:
    // Throws EJoystickDeviceError when two instances exist already.
    explicit TJoystickDevice(const Platform &platform, QObject *owner = nullptr);
    ~TJoystickDevice() override;

    TJoyAbsPos AbsCenter() const { return FCenter; }
    TJoyAbsPos AbsMax() const { return FMax; }
    TJoyAbsPos AbsMin() const { return FMin; }
    int AxisCount() const { return FAxisCount; }
    TJoyAxises Axises() const { return FAxises; }
    int ButtonCount() const { return FButtonCount; }
    bool HasPOV() const { return FHasPOV; }
    TJoyID ID() const { return FID; }

    bool Active() const { return FActive; }
    void setActive(bool active);
    // Polling mode is in use, or requested while inactive.
    bool Advanced() const { return FAdvanced; }
    void setAdvanced(bool advanced);
    // Written outside polling mode it becomes 0; while polling it is kept
    // within the device's polling periods.
    int PollingInterval() const { return FInterval; }
    void setPollingInterval(int milliseconds);
    int RepeatButtonDelay() const { return FRepeatButtonDelay; }
    void setRepeatButtonDelay(int milliseconds) { FRepeatButtonDelay = milliseconds; }
    int RepeatMoveDelay() const { return FRepeatMoveDelay; }
    void setRepeatMoveDelay(int milliseconds) { FRepeatMoveDelay = milliseconds; }
    // Restarts the screen saver's idle time on moves, releases and hat changes.
    bool SuspendScreensaver() const { return FSuspendScreensaver; }
    void setSuspendScreensaver(bool suspend) { FSuspendScreensaver = suspend; }
    // The movement threshold of message mode as a fraction of the X axis's Up
    // span, 0..1, as the device took it.
    double ThresholdFactor() const { return FThreshold; }
    void setThresholdFactor(double factor);

    // One look at the device in polling mode (the handler of the poll timer).
    void PollDevice();

signals:
    void OnButtonDown(TJoystickDevice *Sender, TJoyButtons Buttons);
    void OnButtonUp(TJoystickDevice *Sender, TJoyButtons Buttons);
    void OnMove(TJoystickDevice *Sender, const TJoyRelPos &JoyPos, TJoyButtons Buttons);
    // Hat direction in degrees clockwise from forward; 655.35 when centred.
    void OnPOVChanged(TJoystickDevice *Sender, float Degrees);
    // The controller was unplugged; the component is inactive now.
    void OnLost(TJoystickDevice *Sender);
    // A line for the log file. Faults of the device found when it is taken up
    // are reported here; connect before writing Advanced or Active.
    void OnLog(const QString &text);

private:
    bool InitDevice(bool wantAdvanced);
    void takeAxis(int axis, quint16 centre, const JoystickCapabilities &caps);
    void startPolling();
    void stopWatching();
    void HandleJoyMessage(const JoystickChange &change);
    void deviceLost();
    double relative(int axis, quint16 raw) const;

    void DoButtonDown(TJoyButtons buttons);
    void DoButtonUp(TJoyButtons buttons);
    void DoMove(const TJoyRelPos &position, TJoyButtons buttons);
    void DoPOVChanged(quint32 hundredths);
    void activityShown();

    Joysticks &joysticks;
    const Clock &clock;
    Screensaver &screensaver;

    bool FActive = false;
    bool FAdvanced = false;
    // The mode the owner asked for: a device attached later is taken up in it.
    bool advancedWanted = false;
    int FAxisCount = 0;
    TJoyAxises FAxises;
    int FButtonCount = 0;
    TJoyAbsPos FCenter;
    bool FHasPOV = false;
    TJoyID FID = 0;
    int FInterval = 40;
    int minPeriod = 0;
    int maxPeriod = 0;
    TJoyAbsPos FMax, FMin;
    TJoyRelPos FPrevPos;
    quint32 FPrevPOV = 0;
    qint64 FPrevButtonTick = 0, FPrevMoveTick = 0;
    bool FProcessedButtonOnce = false, FProcessedMoveOnce = false;
    TJoyRanges FRanges;
    int FRepeatButtonDelay = 350, FRepeatMoveDelay = 350;
    bool FSuspendScreensaver = false;
    double FThreshold = 0;
    QTimer pollTimer;
};
