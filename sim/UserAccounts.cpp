#include "UserAccounts.h"

#include "link/LinkError.h"
#include "link/Numbers.h"
#include "platform/AnsiText.h"

#include <QCryptographicHash>
#include <QLocale>
#include <QSet>
#include <algorithm>

namespace {

QString digest(const QString &text)
{
    return QString::fromLatin1(QCryptographicHash::hash(toAscii7(text), QCryptographicHash::Md5).toHex());
}

std::optional<UserAccount> readEntry(const QString &entry)
{
    const QStringList fields = entry.split(u':');
    if (fields.size() != 3 || !UserAccounts::listable(fields[0]) || !UserAccounts::listable(fields[1])
        || fields[1].size() < UserAccounts::shortestPassword || (fields[2] != u"1" && fields[2] != u"0"))
        return std::nullopt;
    return UserAccount{fields[0], fields[1], fields[2] == u"1"};
}

} // namespace

std::optional<LoginForm> loginFormOfVersion(const QString &version)
{
    bool ok = false;
    const double number = QLocale::c().toDouble(version, &ok);
    if (!ok)
        return std::nullopt;
    return number <= 3.7 ? LoginForm::Plain : LoginForm::Digest;
}

std::optional<UserAccount> UserAccounts::signIn(const QString &user, const QString &password, LoginForm form) const
{
    for (const UserAccount &account : list) {
        const bool matches =
            form == LoginForm::Plain
                ? account.name == user && account.password == password
                : digest(account.name) == user.toLower() && digest(account.password) == password.toLower();
        if (matches)
            return account;
    }
    return std::nullopt;
}

QStringList UserAccounts::entries() const
{
    QStringList texts;
    for (const UserAccount &account : list)
        texts << account.name + u':' + account.password + u':' + (account.admin ? u'1' : u'0');
    return texts;
}

bool UserAccounts::changePassword(const QString &name, const QString &current, const QString &next)
{
    if (!listable(next) || next.size() < shortestPassword)
        return false;
    for (UserAccount &account : list) {
        if (account.name == name && account.password == current) {
            account.password = next;
            return true;
        }
    }
    return false;
}

bool UserAccounts::listable(const QString &text)
{
    return !text.isEmpty() && std::none_of(text.begin(), text.end(), [](QChar ch) {
        return ch.unicode() <= 32 || ch == u'%' || ch == u':' || ch == u'"';
    });
}

std::optional<UserUpload> readUserUpload(const QString &text)
{
    QStringList parts = text.split(u'%');
    if (parts.size() < 3 || !parts.last().isEmpty())
        return std::nullopt;
    parts.removeLast();

    UserUpload upload;
    try {
        upload.maxSpeed = readDecimal(parts.takeFirst());
    } catch (const LinkError &) {
        return std::nullopt;
    }
    if (upload.maxSpeed < 40 || upload.maxSpeed > 100 || parts.size() > UserAccounts::mostUsers)
        return std::nullopt;

    QSet<QString> names;
    for (const QString &part : parts) {
        const std::optional<UserAccount> account = readEntry(part);
        if (!account || names.contains(account->name))
            return std::nullopt;
        names.insert(account->name);
        upload.accounts << *account;
    }
    const bool administered = std::any_of(upload.accounts.begin(), upload.accounts.end(),
                                          [](const UserAccount &account) { return account.admin; });
    if (!administered)
        return std::nullopt;
    return upload;
}
