#pragma once
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

struct UserAccount {
    QString name;
    QString password;
    bool admin = false;
};

// How a login carries the name and password: robot software up to version
// 3.7 takes them in clear, later versions as lower-case MD5 hex digests.
enum class LoginForm { Plain, Digest };
// Nothing for a version that does not read as a decimal number.
std::optional<LoginForm> loginFormOfVersion(const QString &version);

// The users an uploaded list and maximum speed would make.
struct UserUpload {
    int maxSpeed = 100;
    QVector<UserAccount> accounts;
};

// The robot's own user accounts.
class UserAccounts {
public:
    // The controller holds at most this many users in its table.
    static constexpr int mostUsers = 11;
    static constexpr int shortestPassword = 4;

    explicit UserAccounts(const QVector<UserAccount> &accounts) : list(accounts) {}

    // The account that the login's name and password fields name, in the
    // given form.
    std::optional<UserAccount> signIn(const QString &user, const QString &password, LoginForm form) const;
    // Each account as name ":" password ":" admin mark (1 or 0).
    QStringList entries() const;
    const QVector<UserAccount> &accounts() const { return list; }
    void replace(const QVector<UserAccount> &accounts) { list = accounts; }
    // Changes the password when current is the account's password and next
    // is one the robot can keep; false otherwise.
    bool changePassword(const QString &name, const QString &current, const QString &next);

    // Whether a name or password can travel in the user list: not empty, and
    // free of the list's separators "%" and ":", of double quotes, blanks and
    // control characters, which the controller's list reader splits at.
    static bool listable(const QString &text);

private:
    QVector<UserAccount> list;
};

// Reads the text after "#" of an uploaded list: the maximum speed (40 to
// 100), "%", then each entry name ":" password ":" 1-or-0 followed by "%".
// Nothing when the list is malformed, holds a password shorter than
// shortestPassword, holds a name twice, holds no user or
// more than mostUsers, or leaves the robot without an administrator.
std::optional<UserUpload> readUserUpload(const QString &text);
