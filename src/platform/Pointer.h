#pragma once
#include <QPoint>

// Moves the mouse pointer to a point of the screen. A desktop that does not
// let programs move the pointer simply leaves it where it is.
class Pointer {
public:
    virtual ~Pointer() = default;
    virtual void moveTo(QPoint screenPoint) = 0;
};

class CursorPointer : public Pointer {
public:
    void moveTo(QPoint screenPoint) override;
};
