#pragma once

// The desktop does not count a game controller as activity, so an operator
// who only drives with one would see the screen saver start.
class Screensaver {
public:
    virtual ~Screensaver() = default;
    // Starts the screen saver's idle time anew, as a key press would.
    virtual void restartIdleTime() = 0;
};

// Resets the X server's screen saver; without an X display there is none.
class X11Screensaver : public Screensaver {
public:
    void restartIdleTime() override;
};
