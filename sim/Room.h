#pragma once
#include <QPointF>
#include <QRectF>
#include <QVector>

// The floor the robot drives on, seen from above, in metres: x to the east,
// y to the north. Its edges are walls, and solid furniture stands on it.
class Room {
public:
    Room(const QRectF &floor, const QVector<QRectF> &furniture);
    // A 6 m by 4 m room with a table and a cabinet.
    static Room standard();

    const QRectF &floor() const { return floorArea; }
    const QVector<QRectF> &furniture() const { return pieces; }

    // Distance from a point on the free floor, in the direction angle
    // (radians counter-clockwise from east), to the first wall or piece of
    // furniture.
    double distanceAlong(QPointF origin, double angle) const;
    // Whether a round body of this radius around centre overlaps a wall or
    // a piece of furniture.
    bool blocks(QPointF centre, double radius) const;

private:
    QRectF floorArea;
    QVector<QRectF> pieces;
};
