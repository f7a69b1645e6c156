#pragma once

// The factor the views scale by: pixels per inch / 96, and 2% more above 1.3,
// where the form's fonts grow a little faster than its sizes.
double displayScaleFor(double pixelsPerInch);
