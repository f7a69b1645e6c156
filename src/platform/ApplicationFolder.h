#pragma once
#include <QString>

// Where an installed program keeps its shared files, under the install
// prefix: the programs in "lib/quorvelbot-vindra", the first-run files in
// "share/quorvelbot-vindra/defaults".
inline constexpr const char *InstalledName = "quorvelbot-vindra";

// The folder of the controller's files: QUORVELBOT_HOME when it names one;
// for an installed program the user's data folder
// ($XDG_DATA_HOME/quorvelbot-vindra), given the first-run files it lacks;
// otherwise the program's own folder, as in a build folder.
QString applicationFolder();
QString applicationFolderFor(const QString &programFolder);
