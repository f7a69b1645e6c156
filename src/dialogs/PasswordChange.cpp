#include "dialogs/PasswordChange.h"

#include "settings/UserList.h"

QString passwordChangeProblem(const QString &currentPassword, const QString &newPassword, const QString &confirmation)
{
    if (newPassword.size() < 4)
        return QStringLiteral("Password needs to be atleast 4 characters long.");
    if (confirmation != newPassword)
        return QStringLiteral("Password Mismatch.");
    if (!isUserListSafe(newPassword))
        return QStringLiteral("Password cannot contain blanks, double quotes, \":\" or \"%\".");
    if (currentPassword == newPassword)
        return QStringLiteral("New and old passwords are same.");
    return {};
}

QString passwordChangeResult(const QString &currentPassword, const QString &newPassword)
{
    return currentPassword + u':' + newPassword;
}

std::optional<QString> passwordChangeCommand(const QString &userName, const QString &result)
{
    if (result == NoPasswordChange)
        return std::nullopt;
    return QStringLiteral("P:") + userName + u':' + result;
}
