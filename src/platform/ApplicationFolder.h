#pragma once
#include <QString>

// The folder of the controller's files: the program's own folder, unless
// QUORVELBOT_HOME names another.
QString applicationFolder();
