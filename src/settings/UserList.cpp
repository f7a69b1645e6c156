#include "settings/UserList.h"

#include "link/Fields.h"

#include <algorithm>

namespace {

QString entryText(const QString &name, const QString &password, bool isAdmin)
{
    return name + u':' + password + u':' + (isAdmin ? u'1' : u'0');
}

bool nameIsTaken(const QStringList &entries, const QString &name)
{
    return std::any_of(entries.begin(), entries.end(),
                       [&](const QString &entry) { return splitUserEntry(entry).name == name; });
}

// An entry the list's splitter would cut or unwrap travels as a quoted run,
// as the robot sends such an entry, so that it reaches the robot whole; any
// other entry goes as it is.
QString listItem(const QString &entry)
{
    const bool plain = !entry.startsWith(u'"') && std::none_of(entry.begin(), entry.end(), [](QChar ch) {
        return (ch.unicode() >= 1 && ch.unicode() <= 32) || ch == u'%';
    });
    if (plain)
        return entry;
    return u'"' + QString(entry).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

UserEdit refused(UserNotice notice, const QString &text)
{
    return {false, notice, text};
}

// verb: "add" or "edit"
UserEdit unsafeCharacters(const QString &verb)
{
    return refused(UserNotice::ErrorBox,
                   QStringLiteral("Cannot %1 user. Username and password cannot contain blanks, double quotes, "
                                  "\":\" or \"%\".")
                       .arg(verb));
}

} // namespace

QString userListAddress(const QString &userListText)
{
    const qsizetype percent = userListText.indexOf(u'%');
    return userListText.mid(1, percent < 0 ? -1 : percent - 1).trimmed();
}

UserListLoad loadUserList(const QString &userListText)
{
    UserListLoad load;
    if (userListText.size() < 4) {
        load.problem = QStringLiteral("Error Loading User list");
        return load;
    }
    const qsizetype percent = userListText.indexOf(u'%');
    if (percent >= 0) {
        const Fields items = splitFields(userListText.mid(percent + 1), u'%');
        for (const QString &item : items.all()) {
            // a list ending in "%" would otherwise carry an empty user
            if (!item.isEmpty())
                load.entries.append(item);
        }
    }
    if (load.entries.size() > UserListCapacity) {
        load.problem = QStringLiteral("QuorvelBot sent %1 users, but at most %2 can be administered here. "
                                      "The user list was not loaded.")
                           .arg(load.entries.size())
                           .arg(UserListCapacity);
        load.entries.clear();
        load.refused = true;
        return load;
    }
    sortUserEntries(load.entries);
    return load;
}

void sortUserEntries(QStringList &entries)
{
    std::stable_sort(entries.begin(), entries.end(),
                     [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
}

UserRow splitUserEntry(const QString &entry)
{
    const QStringList fields = splitFields(entry, u':').all();
    const auto field = [&](int i) { return i < fields.size() ? fields[i] : QString(); };
    return {field(0), field(1), field(2)};
}

QString userListLine(const UserRow &row)
{
    return row.isAdmin() ? row.name + QStringLiteral("(Admin)") : row.name;
}

QString userListMessage(const QString &speedText, const QStringList &entries)
{
    QString message = u'#' + speedText + u'%';
    for (const QString &entry : entries)
        message += listItem(entry) + u'%';
    return message;
}

bool isUserListSafe(const QString &text)
{
    return std::none_of(text.begin(), text.end(), [](QChar ch) {
        return ch.unicode() <= 32 || ch == u':' || ch == u'%' || ch == u'"' || ch.category() == QChar::Other_Control;
    });
}

UserEdit addUser(QStringList &entries, const QString &name, const QString &password, bool isAdmin)
{
    if (entries.size() >= UserListCapacity)
        return refused(UserNotice::ErrorBox,
                       QStringLiteral("Cannot add user. QuorvelBot keeps at most %1 users; delete one first.")
                           .arg(UserListCapacity));
    if (name.isEmpty() || password.isEmpty())
        return refused(UserNotice::StatusPanel,
                       QStringLiteral("Please enter username and password before adding a user"));
    if (name.size() < 5 || password.size() < 4)
        return refused(UserNotice::ErrorBox,
                       QStringLiteral("Cannot add user. Username needs to be atleast 5 characters long and password "
                                      "needs to be atleast 4 characters long."));
    if (!isUserListSafe(name) || !isUserListSafe(password))
        return unsafeCharacters(QStringLiteral("add"));
    if (nameIsTaken(entries, name))
        return refused(UserNotice::StatusPanel, QStringLiteral("Username already exists"));
    entries.append(entryText(name, password, isAdmin));
    sortUserEntries(entries);
    return {true, UserNotice::StatusPanel, QStringLiteral("User added. Press OK to save changes to QuorvelBot")};
}

UserEdit editUser(QStringList &entries, int selectedIndex, const QString &selectedUserName, const QString &name,
                  const QString &password, bool isAdmin)
{
    if (selectedIndex < 0 || selectedIndex >= entries.size())
        return refused(UserNotice::StatusPanel, QStringLiteral("Select a user to edit"));
    if (name.size() < 5 || password.size() < 4)
        return refused(UserNotice::ErrorBox,
                       QStringLiteral("Cannot edit user. Username needs to be atleast 5characters long and password "
                                      "needs to be atleast 4 characters long."));
    if (!isUserListSafe(name) || !isUserListSafe(password))
        return unsafeCharacters(QStringLiteral("edit"));
    if (name != selectedUserName && nameIsTaken(entries, name))
        return refused(UserNotice::StatusPanel, QStringLiteral("Username already exists"));
    entries[selectedIndex] = entryText(name, password, isAdmin);
    return {true, UserNotice::StatusPanel, QStringLiteral("User edited. Press OK to save changes to QuorvelBot.")};
}

UserEdit deleteUser(QStringList &entries, int selectedIndex, const QString &signedInUser)
{
    if (selectedIndex < 0 || selectedIndex >= entries.size())
        return refused(UserNotice::StatusPanel, QStringLiteral("Select a user to delete"));
    if (entries.size() == 1)
        return refused(UserNotice::ErrorBox, QStringLiteral("Deleting all the users will prevent you from logging "
                                                            "into QuorvelBot in future.\r\nDeletion Aborted."));
    if (splitUserEntry(entries[selectedIndex]).name == signedInUser)
        return refused(UserNotice::ErrorBox, QStringLiteral("You cannot delete yourself"));
    entries.removeAt(selectedIndex);
    return {true, UserNotice::StatusPanel, QStringLiteral("User deleted. Press OK to save change to QuorvelBot.")};
}

int maximumSpeedPosition(int sliderPosition)
{
    return std::max(40, sliderPosition);
}
