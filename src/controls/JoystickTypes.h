#pragma once
#include <QFlags>
#include <QtGlobal>

// What a game controller reports, in the terms the joystick component and the
// window's handlers share.

using TJoyID = int;     // 0 or 1: the first or second controller of the system
using TJoyButton = int; // 1..32

// A set of buttons; button n is bit n-1 of the device's button mask.
class TJoyButtons {
public:
    constexpr TJoyButtons() = default;
    constexpr explicit TJoyButtons(quint32 mask) : mask(mask) {}

    constexpr bool contains(TJoyButton button) const
    {
        return button >= 1 && button <= 32 && (mask >> (button - 1)) & 1;
    }
    constexpr bool isEmpty() const { return mask == 0; }
    constexpr quint32 toMask() const { return mask; }
    friend constexpr bool operator==(TJoyButtons a, TJoyButtons b) { return a.mask == b.mask; }
    friend constexpr bool operator!=(TJoyButtons a, TJoyButtons b) { return a.mask != b.mask; }

private:
    quint32 mask = 0;
};

enum TJoyAxis { axX = 0x01, axY = 0x02, axZ = 0x04, axR = 0x08, axU = 0x10, axV = 0x20 };
Q_DECLARE_FLAGS(TJoyAxises, TJoyAxis)
Q_DECLARE_OPERATORS_FOR_FLAGS(TJoyAxises)

// Raw positions of the six axes.
struct TJoyAbsPos {
    quint16 X = 0, Y = 0, Z = 0, R = 0, U = 0, V = 0;
};

// Deflections: -1 at an axis's minimum, 0 at its centre, +1 at its maximum.
// X grows to the right; Y grows as the stick is pulled back, so forward is
// negative.
struct TJoyRelPos {
    double X = 0, Y = 0, Z = 0, R = 0, U = 0, V = 0;

    bool isRest() const { return X == 0 && Y == 0 && Z == 0 && R == 0 && U == 0 && V == 0; }
};

// Per axis the raw distance from minimum to centre (Down) and from centre to
// maximum (Up).
struct TJoyRanges {
    quint16 XDown = 0, XUp = 0, YDown = 0, YUp = 0, ZDown = 0, ZUp = 0;
    quint16 RDown = 0, RUp = 0, UDown = 0, UUp = 0, VDown = 0, VUp = 0;
};
