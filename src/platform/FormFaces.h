#pragma once

// The form is drawn in Tahoma, whose widths its captions were laid out for.
// Where the desktop has no Tahoma of its own, the metric-compatible face
// installed with the system's Windows font package is taken into the
// application (once; later calls do nothing).
void installFormFaces();
