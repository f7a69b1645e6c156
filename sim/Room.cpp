#include "Room.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double far = std::numeric_limits<double>::infinity();

// Distance along (dx, dy) from origin, outside box, to where the ray enters
// it; infinite when it misses.
double entryDistance(QPointF origin, double dx, double dy, const QRectF &box)
{
    double enter = 0;
    double leave = far;
    const double from[2] = {origin.x(), origin.y()};
    const double along[2] = {dx, dy};
    const double low[2] = {box.left(), box.top()};
    const double high[2] = {box.right(), box.bottom()};
    for (int axis = 0; axis < 2; ++axis) {
        if (along[axis] == 0) {
            if (from[axis] < low[axis] || from[axis] > high[axis])
                return far;
            continue;
        }
        double t1 = (low[axis] - from[axis]) / along[axis];
        double t2 = (high[axis] - from[axis]) / along[axis];
        if (t1 > t2)
            std::swap(t1, t2);
        enter = std::max(enter, t1);
        leave = std::min(leave, t2);
    }
    return enter <= leave ? enter : far;
}

// Distance along (dx, dy) from origin, inside box, to where the ray leaves it.
double exitDistance(QPointF origin, double dx, double dy, const QRectF &box)
{
    double leave = far;
    if (dx > 0)
        leave = std::min(leave, (box.right() - origin.x()) / dx);
    if (dx < 0)
        leave = std::min(leave, (box.left() - origin.x()) / dx);
    if (dy > 0)
        leave = std::min(leave, (box.bottom() - origin.y()) / dy);
    if (dy < 0)
        leave = std::min(leave, (box.top() - origin.y()) / dy);
    return std::max(leave, 0.0);
}

} // namespace

Room::Room(const QRectF &floor, const QVector<QRectF> &furniture) : floorArea(floor.normalized()), pieces(furniture)
{
    for (QRectF &piece : pieces)
        piece = piece.normalized();
}

Room Room::standard()
{
    return Room(QRectF(0, 0, 6, 4), {QRectF(3.8, 2.4, 1.2, 0.8), QRectF(0, 3.4, 1.6, 0.6)});
}

double Room::distanceAlong(QPointF origin, double angle) const
{
    const double dx = std::cos(angle);
    const double dy = std::sin(angle);
    double nearest = exitDistance(origin, dx, dy, floorArea);
    for (const QRectF &piece : pieces)
        nearest = std::min(nearest, entryDistance(origin, dx, dy, piece));
    return nearest;
}

bool Room::blocks(QPointF centre, double radius) const
{
    if (centre.x() - radius < floorArea.left() || centre.x() + radius > floorArea.right()
        || centre.y() - radius < floorArea.top() || centre.y() + radius > floorArea.bottom())
        return true;
    return std::any_of(pieces.begin(), pieces.end(), [&](const QRectF &piece) {
        const double dx = std::max({piece.left() - centre.x(), 0.0, centre.x() - piece.right()});
        const double dy = std::max({piece.top() - centre.y(), 0.0, centre.y() - piece.bottom()});
        return dx * dx + dy * dy < radius * radius;
    });
}
