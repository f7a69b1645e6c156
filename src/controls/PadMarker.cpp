#include "controls/PadMarker.h"

#include "controls/DriveMixing.h"

namespace {

// The marker's place along one axis: 0 before the pad, its last place past
// the pad's far edge, otherwise insidePlace.
int markerAlong(int place, int padSize, int lastMarkerPlace, int insidePlace, double displayScale)
{
    if (place < 0)
        return 0;
    if (place > padSize * displayScale)
        return scaled(lastMarkerPlace, displayScale);
    return insidePlace;
}

} // namespace

QPoint padMarkerPosition(int x, int y, double displayScale)
{
    return {markerAlong(x, 220, 213, x - 6, displayScale), markerAlong(y, 160, 154, y - 6, displayScale)};
}

QPoint joystickMarkerPosition(QPoint padPoint, double displayScale)
{
    // The joystick's point is unscaled, so the marker's place is scaled from
    // it; it sits a pixel higher than under the pointer.
    const int x = padPoint.x();
    const int y = padPoint.y();
    return {markerAlong(x, 220, 213, scaled(x - 6, displayScale), displayScale),
            markerAlong(y, 160, 154, scaled(y - 7, displayScale), displayScale)};
}
