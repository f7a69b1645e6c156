#pragma once

// Blocks the main thread for a while, as the Skype key strokes and the
// companion restarts need. Nothing else runs meanwhile.
class Pause {
public:
    virtual ~Pause() = default;
    virtual void pause(int milliseconds) = 0;
};

class ThreadPause : public Pause {
public:
    void pause(int milliseconds) override;
};
