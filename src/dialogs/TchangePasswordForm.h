#pragma once
#include "dialogs/PasswordChange.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class RobotLink;

// "Change Password": the current password and the new one twice, checked
// before the window sends them. Modal, on top, over the window.
class TchangePasswordForm : public QDialog {
    Q_OBJECT

public:
    explicit TchangePasswordForm(RobotLink &link, QWidget *parent = nullptr);

    // The result, read after the dialog closed: current ":" new, or the
    // no-change marker.
    QString passWord = NoPasswordChange;

    // Empties the three fields; each opening starts blank.
    void formLoad();
    void oKBtnClick();
    void cancelButtonClick();
    // Escape and the window's close button cancel as the button does.
    void reject() override;

    QLineEdit *oldPassword;
    QLineEdit *newPassword;
    QLineEdit *confirmPassword;
    QPushButton *oKBtn;
    QPushButton *cancelButton;

protected:
    void showEvent(QShowEvent *event) override;

private:
    RobotLink &link;
};
