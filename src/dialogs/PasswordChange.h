#pragma once
#include <QString>
#include <optional>

// The checks of the "Change Password" dialog and the command it leads to.

// The dialog's result when nothing is to change.
inline const QString NoPasswordChange = QStringLiteral(":");

// The message box (captioned "Error") for the typed passwords, or empty when
// they can be sent. In this order: a new password of at least 4 characters,
// the confirmation equal to it, a new password that fits the robot's user
// list (no blank, control character, double quote, ":" or "%": the robot
// splits the command and its list at them), and one that differs from the
// current password. The current password is not checked.
QString passwordChangeProblem(const QString &currentPassword, const QString &newPassword, const QString &confirmation);

// The dialog's result for passwords that passed: current ":" new.
QString passwordChangeResult(const QString &currentPassword, const QString &newPassword);

// "P:" user name ":" the dialog's result, unescaped; none for the no-change
// marker, which sends nothing.
std::optional<QString> passwordChangeCommand(const QString &userName, const QString &result);
