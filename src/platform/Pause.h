#pragma once

// Blocks the main thread for a while, as the Skype key strokes and the
// companion restarts need. Nothing else runs meanwhile.
class Pause {
public:
    virtual ~Pause() = default;
    virtual void pause(int milliseconds) = 0;
    // Waits as long, but the windows keep painting and the timers and
    // sockets keep working; the operator's clicks and keys wait until the
    // end.
    virtual void pauseRepainting(int milliseconds) = 0;
};

class ThreadPause : public Pause {
public:
    void pause(int milliseconds) override;
    void pauseRepainting(int milliseconds) override;
};
