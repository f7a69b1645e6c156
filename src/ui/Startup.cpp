// The controller's start: one instance only, the files read, the sign-in
// view laid out before the window is first shown, and half a second later
// the delayed step.
#include "ui/TForm2.h"

#include "dialogs/TPagesDlg.h"
#include "link/LinkError.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "platform/SingleInstance.h"
#include "ui/DisplayScale.h"

#include <QCheckBox>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

namespace {
const QString InstanceName = QStringLiteral("QuorvelBotVindraController");
const QString SignInTitle = QStringLiteral("QuorvelBot");
} // namespace

std::optional<int> TForm2::FormCreate()
{
    try {
        if (!platform.instance->acquire(InstanceName)) {
            // another controller runs: bring it forward if it is signing in
            platform.instance->knock(SignInTitle);
            return 0;
        }
    } catch (const std::exception &error) {
        // without the lock nothing else may start; say why rather than
        // leave a window that cannot work
        showBox(errorBox(errorText(error)));
        return 1;
    }
    platform.instance->onKnock([this](const QString &title) {
        if (windowTitle() == title) {
            showNormal();
            raise();
            activateWindow();
        }
    });

    QPalette white = CheckBox1->palette();
    white.setColor(QPalette::Window, Qt::white);
    CheckBox1->setPalette(white);
    CheckBox1->setBackgroundRole(QPalette::Window); // a button's own is its face colour
    CheckBox1->setAutoFillBackground(true);
    link.linkState = LinkState();
    setWindowTitle(QStringLiteral("QuorvelBot Vindra"));
    if (!Importsettings())
        return 1;

    displayScale = displayScaleFor(screen()->logicalDotsPerInch());
    savedChargingLeft = chargingButton->x();
    savedLaserLeft = laserButton->x();
    savedHeadLightLeft = headLightButton->x();

    driveViewShown = true; // so that the first switch lays out the sign-in view
    disableDriveView();
    if (!loadQuorvelbot())
        return 1;
    for (CameraMemory &memory : cameraMemories)
        memory.tilt = 45;
    centreOnScreen();
    LoginTimer->start();
    return std::nullopt;
}

void TForm2::LoginTimerTimer()
{
    LoginTimer->stop();
    // Read before the update check, which may wait for the server: a cloud
    // sign-in meanwhile needs it.
    link.linkState.pythonPath = platform.shell->pythonInterpreter();
    const auto dpiNotice = [this] {
        if (screen()->logicalDotsPerInch() != 96)
            showMessage(QStringLiteral("The Screen DPI is not optimal. The layout of the controls might be off"));
    };
    // The check runs in the background, the window usable meanwhile; the DPI
    // notice waits for its box, so the boxes come one at a time.
    if (settings.checkForUpdates)
        pagesDialog().updates.checkforUpdates(dpiNotice);
    else
        dpiNotice();
}
