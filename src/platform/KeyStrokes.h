#pragma once

// Synthetic key presses for the conferencing client's window.
class KeyStrokes {
public:
    static constexpr int Alt = 18;
    static constexpr int KeyA = 65;
    static constexpr int KeyC = 67;
    static constexpr int KeyN = 78;
    static constexpr int KeyV = 86;

    virtual ~KeyStrokes() = default;
    virtual void key(int virtualKey, bool down) = 0;
};

// Without a conferencing client window there is nobody to receive the keys;
// sending them into whatever window has the focus would do harm.
class NoKeyStrokes : public KeyStrokes {
public:
    void key(int, bool) override {}
};
