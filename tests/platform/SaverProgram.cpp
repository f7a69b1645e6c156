// Saves the robot list, the settings and a credentials file in the folder
// given, over and over, each time switching between two versions, until it
// is killed.
#include "contacts/RobotList.h"
#include "platform/SafeFile.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

#include "SavedVersions.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString folder = app.arguments().value(1);
    QDir::setCurrent(folder);
    RobotList robots(folder);
    SettingsStore settings;
    std::puts("saving"); // the test's kills count from here
    std::fflush(stdout);
    for (int round = 0;; ++round) {
        const int version = round % 2;
        robots.contactList = savedList(version);
        robots.save(-1);
        settings.settings = savedSettings(version);
        settings.save();
        writeFileReplacing(QDir(folder).filePath(QStringLiteral("config.py")), savedConfig(version), true);
    }
}
