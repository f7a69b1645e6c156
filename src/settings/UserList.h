#pragma once
#include <QString>
#include <QStringList>

// The robot's user accounts as the settings dialog administers them. The
// robot sends "#" address "%" entry "%" entry ..., an entry being name ":"
// password ":" admin mark ("1" for an administrator); the dialog sends the
// whole list back as "#" speed "%" entry "%" ... "%". Edits work on the
// entries as texts, in the order the list box shows them.

// The robot keeps at most this many users.
constexpr int UserListCapacity = 11;

struct UserRow {
    QString name;
    QString password;
    QString adminMark;
    bool isAdmin() const { return adminMark == u'1'; }
};

// The robot's network address: the text between the leading "#" and the
// first "%" (or the end), trimmed of blanks.
QString userListAddress(const QString &userListText);

struct UserListLoad {
    QStringList entries; // sorted
    // What the dialog's status panel shows instead of a list; empty when the
    // list loaded.
    QString problem;
    // The list cannot be administered from here: the dialog must allow no edit
    // and send no list back, which would replace the robot's whole list.
    bool refused = false;
};

// The entries after the address, split at "%" (a blank also separates, a
// double-quoted run is one item; empty items are skipped) and sorted. A text
// shorter than 4 characters is "Error Loading User list" and leaves an empty
// list that can still be added to; more than 11 users are refused.
UserListLoad loadUserList(const QString &userListText);

// Alphabetical by the whole entry text, ignoring case.
void sortUserEntries(QStringList &entries);

// An entry split at ":" by the same rules; missing fields are empty.
UserRow splitUserEntry(const QString &entry);

// The list box line: the name, directly followed by "(Admin)" for an
// administrator.
QString userListLine(const UserRow &row);

// The message that replaces the robot's list and maximum speed. An entry
// holding a blank, a control character or "%", or starting with a double
// quote, is written as a double-quoted run (a quote in it doubled), so the
// list reads back as it was loaded.
QString userListMessage(const QString &speedText, const QStringList &entries);

// Whether a name or password can travel in the list: a blank, a control
// character, a double quote, ":" or "%" would split it or its entry.
bool isUserListSafe(const QString &text);

// Where the dialog shows the outcome of an edit.
enum class UserNotice { StatusPanel, ErrorBox }; // ErrorBox: a message box captioned "Error"

struct UserEdit {
    bool done = false; // the entries were changed
    UserNotice notice = UserNotice::StatusPanel;
    QString text;
};

// Appends name:password:mark and sorts, after the checks in this order: room
// for one more, both fields given, name of at least 5 and password of at
// least 4 characters, both safe for the list, name not yet used (compared
// case-sensitively).
UserEdit addUser(QStringList &entries, const QString &name, const QString &password, bool isAdmin);

// Replaces the entry at selectedIndex (-1: none selected) without sorting.
// The duplicate check applies only when the name differs from
// selectedUserName, the name the row had when it was selected.
UserEdit editUser(QStringList &entries, int selectedIndex, const QString &selectedUserName, const QString &name,
                  const QString &password, bool isAdmin);

// Removes the entry at selectedIndex (-1: none selected), unless it is the
// only one or belongs to signedInUser. The text of a done delete stays in the
// status panel: the dialog stops the panel's clearing timer for it.
UserEdit deleteUser(QStringList &entries, int selectedIndex, const QString &signedInUser);

// The maximum speed a slider position (0..100) stands for: at least 40.
int maximumSpeedPosition(int sliderPosition);
