// The window's ways into the settings dialog: from the sign-in view at once,
// from the drive view once the robot has sent its user list.
#include "ui/TForm2.h"

#include "settings/TOKRightDlg.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTimer>

namespace {

// A robot that does not send its list within this many ticks of userTimer
// (ten seconds) is not waited for any longer.
constexpr int UserListTicks = 20;

QAction *settingsItem(QMenu *menu)
{
    return menu->actions().value(0); // "Settings" heads both menus
}

} // namespace

void TForm2::connectSettingsItems()
{
    connect(settingsItem(PopupMenu1), &QAction::triggered, this, &TForm2::Settings1Click);
    connect(settingsItem(drivePopUp), &QAction::triggered, this, &TForm2::Settings2Click);
    connect(userTimer, &QTimer::timeout, this, &TForm2::userTimerTrigger);
    // whatever ends the session ends the wait for its list and closes the dialog
    connect(&link, &RobotLink::sessionEnded, this, [this] {
        userTimer->stop();
        if (adminSetting && adminSetting->isVisible())
            adminSetting->reject();
    });
}

TOKRightDlg &TForm2::settingsDialog()
{
    if (!adminSetting) {
        adminSetting = new TOKRightDlg(link, settingsStore, this);
        connect(adminSetting, &TOKRightDlg::settingsToWrite, this, [this] {
            writeBackSetting();
            if (!Importsettings())
                emit mustEnd(1);
        });
        connect(adminSetting, &TOKRightDlg::stayOnTopWanted, this, &TForm2::stayOnTop);
    }
    return *adminSetting;
}

void TForm2::Settings1Click()
{
    TOKRightDlg &dialog = settingsDialog();
    dialog.admin = false;
    dialog.userLoggedIn = false;
    dialog.callDialog();
}

void TForm2::Settings2Click()
{
    TOKRightDlg &dialog = settingsDialog();
    link.linkState.userListText.clear();
    dialog.PageControl1->setCurrentIndex(0);
    link.sendData(QStringLiteral("A"), 1);
    userListWaits = 0;
    userTimer->start();
    dialog.userLoggedIn = true;
    dialog.admin = link.linkState.isAdmin;
    link.statusBarDisplay(QStringLiteral("Waiting for user list"), true);
}

void TForm2::userTimerTrigger()
{
    if (link.linkState.userListText.size() <= 1) {
        if (++userListWaits >= UserListTicks) {
            // a list that comes later opens nothing
            userTimer->stop();
            link.statusBarDisplay(QStringLiteral("No user list from the robot; please try again"), false);
        }
        return;
    }
    TOKRightDlg &dialog = settingsDialog();
    dialog.speedVal->setText(QString::number(link.linkState.maxSpeed));
    userTimer->stop();
    link.statusBarDisplay(QStringLiteral("Opening Settings window"), false);
    dialog.loadingComplete = false;
    if (dialog.callDialog())
        dialog.sendUserChanges();
}
