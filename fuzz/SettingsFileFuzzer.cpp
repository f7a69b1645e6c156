// Reads arbitrary bytes as the options file "Settings.ini", writes the
// options back and reads them again over options no file could hold. Every
// option comes back as it was read, the Logging text too, and the Logging
// option is what that text says; writing again gives the same bytes.
#include "FuzzInput.h"
#include "settings/SettingsFile.h"

namespace {

bool sameOptions(const ControllerSettings &a, const ControllerSettings &b)
{
    return a.Logging == b.Logging && a.Alwaysontop == b.Alwaysontop && a.speedToMute == b.speedToMute &&
           a.padSensitivity == b.padSensitivity && a.pointNDrive == b.pointNDrive && a.autoAnswer == b.autoAnswer &&
           a.checkForUpdates == b.checkForUpdates && a.autoCenter == b.autoCenter && a.driveTimeOut == b.driveTimeOut &&
           a.accelSetting == b.accelSetting;
}

// Options that show any one the written file fails to set.
ControllerSettings unreadable(const ControllerSettings &read)
{
    ControllerSettings s;
    s.Logging = !read.Logging;
    s.Alwaysontop = !read.Alwaysontop;
    s.speedToMute = -1;
    s.padSensitivity = -1;
    s.pointNDrive = !read.pointNDrive;
    s.autoAnswer = !read.autoAnswer;
    s.checkForUpdates = !read.checkForUpdates;
    s.autoCenter = !read.autoCenter;
    s.driveTimeOut = -1;
    s.accelSetting = -1;
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const SettingsFileContents read = readSettingsFile(inputBytes(data, size), ControllerSettings(), QString());
    const QByteArray written = writeSettingsFile(read.settings, read.loggingText);

    const SettingsFileContents reread =
        readSettingsFile(written, unreadable(read.settings), QStringLiteral("not in the file"));
    require(reread.badLines.isEmpty());
    require(reread.loggingText == read.loggingText);
    ControllerSettings expected = read.settings;
    expected.Logging = read.loggingText == u"TRUE";
    require(sameOptions(reread.settings, expected));
    require(writeSettingsFile(reread.settings, reread.loggingText) == written);
    return 0;
}
