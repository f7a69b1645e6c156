#pragma once

// When the desktop session ends (the session manager's request, or a
// SIGTERM), the controller ends at once: no goodbye to the robot, no close
// handler.
void endProcessWhenSessionEnds();
