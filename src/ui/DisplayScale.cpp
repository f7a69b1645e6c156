#include "ui/DisplayScale.h"

double displayScaleFor(double pixelsPerInch)
{
    const double scale = pixelsPerInch / 96.0;
    return scale > 1.3 ? scale * 1.02 : scale;
}
