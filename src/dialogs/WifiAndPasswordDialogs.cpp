// The window's side of the robot's wireless network switch and of the
// password change: it opens the two dialogs and sends the new password.
#include "ui/TForm2.h"

#include "dialogs/TchangePasswordForm.h"
#include "dialogs/TwifiDialog.h"

#include <QAction>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>

void TForm2::connectNetworkAndPasswordItems()
{
    connect(&link, &RobotLink::networksReported, this, [this] { networkDialog().showNetworks(); });
    for (QAction *item : drivePopUp->actions())
        if (item->text() == QLatin1String("Change Password"))
            connect(item, &QAction::triggered, this, &TForm2::ChangePassword1Click);
}

TwifiDialog &TForm2::networkDialog()
{
    if (!wifiDialog) {
        wifiDialog = new TwifiDialog(link, this);
        connect(wifiDialog, &TwifiDialog::networkSwitchSent, wifipanel, &QWidget::hide);
    }
    return *wifiDialog;
}

TchangePasswordForm &TForm2::passwordDialog()
{
    if (!changePasswordForm)
        changePasswordForm = new TchangePasswordForm(link, this);
    return *changePasswordForm;
}

void TForm2::ChangePassword1Click()
{
    TchangePasswordForm &dialog = passwordDialog();
    dialog.exec();
    const std::optional<QString> command = passwordChangeCommand(UserName->text(), dialog.passWord);
    if (!command)
        return;
    try {
        link.sendData(*command, 1);
    } catch (const std::exception &) {
        link.writelogfile(QStringLiteral("Password sending error"));
    }
}
