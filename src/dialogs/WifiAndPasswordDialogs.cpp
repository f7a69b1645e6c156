// The window's side of the robot's wireless network switch and of the
// password change: it opens the two dialogs and sends the new password.
#include "ui/TForm2.h"

#include "dialogs/TchangePasswordForm.h"
#include "dialogs/TwifiDialog.h"

#include <QAction>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>

void TForm2::createWifiAndPasswordDialogs()
{
    wifiDialog = new TwifiDialog(link, this);
    connect(&link, &RobotLink::networksReported, wifiDialog, &TwifiDialog::showNetworks);
    connect(wifiDialog, &TwifiDialog::networkSwitchSent, wifipanel, &QWidget::hide);

    changePasswordForm = new TchangePasswordForm(link, this);
    for (QAction *item : drivePopUp->actions())
        if (item->text() == QLatin1String("Change Password"))
            connect(item, &QAction::triggered, this, &TForm2::ChangePassword1Click);
}

void TForm2::ChangePassword1Click()
{
    changePasswordForm->exec();
    const std::optional<QString> command = passwordChangeCommand(UserName->text(), changePasswordForm->passWord);
    if (!command)
        return;
    try {
        link.sendData(*command, 1);
    } catch (const std::exception &) {
        link.writelogfile(QStringLiteral("Password sending error"));
    }
}
