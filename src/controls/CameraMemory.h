#pragma once

// One remembered camera position.
struct CameraMemory {
    int tilt = 45;
    int pan = 0;
};
