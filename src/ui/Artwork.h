#pragma once
#include <QRectF>

class QPainter;

// The controller's own pictures, drawn as vectors into the given rectangle.
namespace artwork {

void logo(QPainter &p, const QRectF &r);
void drivePad(QPainter &p, const QRectF &r);
void padMarker(QPainter &p, const QRectF &r);
void joystick(QPainter &p, const QRectF &r);
// level 0 (empty) to 6 (full)
void battery(QPainter &p, const QRectF &r, int level);
void batteryCharging(QPainter &p, const QRectF &r);
void batteryNotPresent(QPainter &p, const QRectF &r);
// bars 0 to 4
void wireless(QPainter &p, const QRectF &r, int bars);
void ethernet(QPainter &p, const QRectF &r);

} // namespace artwork
