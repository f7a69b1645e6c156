#pragma once
#include <QString>

// Removal of a robot's cloud-service folder "Data/<description>" when its
// entry is deleted from the robot list.

struct RobotFolderRemoval {
    bool refused = false;
    QString reason; // when refused: why, for the operator's message
};

// Refuses a description that could name anything but one folder inside
// "Data" (empty, ".", absolute, or holding "/", "\" or ".."). Otherwise
// removes the folder with everything in it; symbolic links inside are
// removed as links, never followed. Files that cannot be deleted are left
// and the removal goes on; a folder that does not exist is no failure.
RobotFolderRemoval removeRobotFolder(const QString &applicationFolder, const QString &description);
