#include "dialogs/TchangePasswordForm.h"

#include "link/RobotLink.h"
#include "platform/MessageBoxes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLineEdit *maskedField(QWidget *parent, const QString &caption, int top)
{
    auto *title = new QLabel(caption, parent);
    title->setGeometry(16, top + 3, 110, 17);
    auto *field = new QLineEdit(parent);
    field->setGeometry(130, top, 145, 22);
    field->setEchoMode(QLineEdit::Password);
    title->setBuddy(field);
    return field;
}

} // namespace

TchangePasswordForm::TchangePasswordForm(RobotLink &link, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), link(link)
{
    setObjectName(QStringLiteral("changePasswordForm"));
    setWindowTitle(QStringLiteral("Change Password"));
    setModal(true);
    setFixedSize(295, 150);
    setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }")); // "*" for each character
    oldPassword = maskedField(this, QStringLiteral("Current Password"), 15);
    newPassword = maskedField(this, QStringLiteral("New Password"), 47);
    confirmPassword = maskedField(this, QStringLiteral("Confirm Password"), 79);
    oKBtn = new QPushButton(QStringLiteral("Ok"), this);
    oKBtn->setGeometry(110, 115, 75, 25);
    oKBtn->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton->setGeometry(200, 115, 75, 25);
    setTabOrder(oldPassword, newPassword);
    setTabOrder(newPassword, confirmPassword);
    setTabOrder(confirmPassword, oKBtn);
    setTabOrder(oKBtn, cancelButton);
    connect(oKBtn, &QPushButton::clicked, this, &TchangePasswordForm::oKBtnClick);
    connect(cancelButton, &QPushButton::clicked, this, &TchangePasswordForm::cancelButtonClick);

    // a change typed in one session is not sent into the next
    connect(&link, &RobotLink::sessionEnded, this, [this] {
        if (isVisible())
            cancelButtonClick();
    });
}

void TchangePasswordForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    formLoad();
}

void TchangePasswordForm::formLoad()
{
    oldPassword->clear();
    newPassword->clear();
    confirmPassword->clear();
    oldPassword->setFocus();
}

void TchangePasswordForm::oKBtnClick()
{
    const QString problem = passwordChangeProblem(oldPassword->text(), newPassword->text(), confirmPassword->text());
    if (!problem.isEmpty()) {
        link.platform.boxes->show(this, {problem, QStringLiteral("Error")});
        return;
    }
    passWord = passwordChangeResult(oldPassword->text(), newPassword->text());
    QDialog::accept();
}

void TchangePasswordForm::cancelButtonClick()
{
    passWord = NoPasswordChange;
    QDialog::reject();
}

void TchangePasswordForm::reject()
{
    cancelButtonClick();
}
