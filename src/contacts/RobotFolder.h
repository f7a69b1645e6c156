#pragma once
#include <QString>

// Removal of a robot's cloud-service folder "Data/<description>" when its
// entry is deleted from the robot list.

// Why description cannot name one folder of its own inside "Data" (it is
// empty, ".", absolute, or holds "/", "\" or ".."), as the start of a
// sentence for the operator, e.g. The robot's description "a/b" contains "/".
// Empty when it can.
QString robotFolderNameFault(const QString &description);

struct RobotFolderRemoval {
    bool refused = false;
    QString reason; // when refused: why, for the operator's message
};

// Refuses a description with a folder-name fault. Otherwise
// removes the folder with everything in it; symbolic links inside are
// removed as links, never followed. Files that cannot be deleted are left
// and the removal goes on; a folder that does not exist is no failure.
RobotFolderRemoval removeRobotFolder(const QString &applicationFolder, const QString &description);
