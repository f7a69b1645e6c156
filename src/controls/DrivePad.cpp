// Driving with the mouse: while the left button is held on the pad, the
// pointer's place relative to the pad's centre becomes the two wheel
// demands, which the drive tick sends four times a second.
#include "ui/TForm2.h"

#include "controls/DriveMixing.h"
#include "controls/PadMarker.h"
#include "platform/Pointer.h"
#include "ui/Picture.h"

#include <QMouseEvent>
#include <QSlider>

void TForm2::PadMouseDown(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    link.leftWheelDemand = link.rightWheelDemand = 0;
    padDragging = true;
    Image4->show();
    Image4->raise();
    // the pointer starts from the pad's centre
    padAnchorPoint = Image1->mapToGlobal(QPoint(scaled(110, displayScale), scaled(80, displayScale)));
    platform.pointer->moveTo(padAnchorPoint);
    Image4->move(scaled(126, displayScale), scaled(110, displayScale));
    link.leftWheelDemand = link.rightWheelDemand = 0;
    link.sendStops(QStringLiteral("Send Error"));
}

void TForm2::PadMouseMove(QMouseEvent *event)
{
    if (!padDragging)
        return;
    if (!(event->buttons() & Qt::LeftButton)) {
        // the release went elsewhere (the pointer grab was lost)
        padPointerLost();
        return;
    }
    const QPoint at = event->position().toPoint();
    Image4->move(padMarkerPosition(at.x(), at.y(), displayScale));
    const WheelDemands demands = padToWheels(at.x(), at.y(), displayScale, settings.padSensitivity);
    link.leftWheelDemand = demands.left;
    link.rightWheelDemand = demands.right;
}

void TForm2::PadMouseUp(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool wasDragging = padDragging;
    letGoOfPad();
    if (wasDragging)
        platform.pointer->moveTo(padAnchorPoint);
    link.sendStops(QStringLiteral("Send Error mouse up"));
}

void TForm2::letGoOfPad()
{
    link.leftWheelDemand = link.rightWheelDemand = 0;
    lastJoyX = lastJoyY = 0; // the stick is followed afresh, wherever it is

    padDragging = false;
    Image4->hide();
    Image4->move(scaled(105, displayScale), scaled(75, displayScale));
}

void TForm2::padPointerLost()
{
    // Only the operator's hand keeps the robot moving: a drag that loses the
    // pointer (a box opens, the window loses the focus, the grab goes) ends
    // as a release does. The pointer stays where the operator took it.
    if (!padDragging)
        return;
    letGoOfPad();
    link.sendStops(QStringLiteral("Send Error mouse up"));
}
