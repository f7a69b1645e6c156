#include "settings/UserList.h"

#include <QTest>

namespace {

// n users named user01, user02 ...
QStringList usersNamed(int n)
{
    QStringList entries;
    for (int i = 1; i <= n; ++i)
        entries << QStringLiteral("user%1:pass:0").arg(i, 2, 10, QChar(u'0'));
    return entries;
}

const QString AddError = QStringLiteral("Cannot add user. Username needs to be atleast 5 characters long and password "
                                        "needs to be atleast 4 characters long.");
const QString EditError = QStringLiteral("Cannot edit user. Username needs to be atleast 5characters long and "
                                         "password needs to be atleast 4 characters long.");
const QString AddUnsafe =
    QStringLiteral("Cannot add user. Username and password cannot contain blanks, double quotes, \":\" or \"%\".");
const QString EditUnsafe =
    QStringLiteral("Cannot edit user. Username and password cannot contain blanks, double quotes, \":\" or \"%\".");
const QString Added = QStringLiteral("User added. Press OK to save changes to QuorvelBot");
const QString Edited = QStringLiteral("User edited. Press OK to save changes to QuorvelBot.");
const QString Deleted = QStringLiteral("User deleted. Press OK to save change to QuorvelBot.");

} // namespace

Q_DECLARE_METATYPE(UserNotice)

class UserListTest : public QObject {
    Q_OBJECT
private slots:
    void address_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("address");
        QTest::newRow("plain") << "#192.168.1.20%alice:pass:1"
                               << "192.168.1.20";
        QTest::newRow("blanks trimmed") << "#  10.0.0.5 %alice:pass:1"
                                        << "10.0.0.5";
        QTest::newRow("no users") << "#10.0.0.5"
                                  << "10.0.0.5";
    }
    void address()
    {
        QFETCH(QString, text);
        QFETCH(QString, address);
        QCOMPARE(userListAddress(text), address);
    }

    void load_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<bool>("refused");
        QTest::newRow("sorted ignoring case")
            << "#1.2.3.4%carol:pass:0%Alice:pass:1%bobby:pass:0"
            << QStringList{"Alice:pass:1", "bobby:pass:0", "carol:pass:0"} << "" << false;
        QTest::newRow("whole entries compared")
            << "#1.2.3.4%zelda:pass:0%Alice:pass:1%alice:pass:0"
            << QStringList{"alice:pass:0", "Alice:pass:1", "zelda:pass:0"} << "" << false;
        QTest::newRow("final separator adds no user")
            << "#1.2.3.4%alice:pass:1%" << QStringList{"alice:pass:1"} << "" << false;
        QTest::newRow("blank separates") << "#1.2.3.4%bob smith:pass:0" << QStringList{"bob", "smith:pass:0"} << ""
                                         << false;
        QTest::newRow("quoted run is one entry")
            << "#1.2.3.4%\"bob smith:pass:0\"" << QStringList{"bob smith:pass:0"} << "" << false;
        QTest::newRow("address only") << "#1.2.3.4%" << QStringList{} << "" << false;
        QTest::newRow("too short") << "#1%" << QStringList{} << "Error Loading User list" << false;
        QTest::newRow("eleven users") << "#1.2.3.4%" + usersNamed(11).join(u'%') << usersNamed(11) << "" << false;
        QTest::newRow("twelve users refused")
            << "#1.2.3.4%" + usersNamed(12).join(u'%') << QStringList{}
            << "QuorvelBot sent 12 users, but at most 11 can be administered here. The user list was not loaded."
            << true;
    }
    void load()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, entries);
        QFETCH(QString, problem);
        QFETCH(bool, refused);
        const UserListLoad load = loadUserList(text);
        QCOMPARE(load.entries, entries);
        QCOMPARE(load.problem, problem);
        QCOMPARE(load.refused, refused);
    }

    void entry_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("line");
        QTest::newRow("administrator") << "alice:secret:1"
                                       << "alice"
                                       << "secret"
                                       << "alice(Admin)";
        QTest::newRow("user") << "bobby:secret:0"
                              << "bobby"
                              << "secret"
                              << "bobby";
        QTest::newRow("empty password") << "bobby::0"
                                        << "bobby"
                                        << ""
                                        << "bobby";
        QTest::newRow("fields missing") << "carol"
                                        << "carol"
                                        << ""
                                        << "carol";
    }
    void entry()
    {
        QFETCH(QString, entry);
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, line);
        const UserRow row = splitUserEntry(entry);
        QCOMPARE(row.name, name);
        QCOMPARE(row.password, password);
        QCOMPARE(userListLine(row), line);
    }

    void message_data()
    {
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("message");
        QTest::newRow("two users") << "70" << QStringList{"alice:secret:1", "bobby:pass:0"}
                                   << "#70%alice:secret:1%bobby:pass:0%";
        QTest::newRow("no users") << "40" << QStringList{} << "#40%";
        QTest::newRow("an entry sent quoted goes back quoted")
            << "70" << QStringList{"bob smith:pass:0"} << "#70%\"bob smith:pass:0\"%";
        QTest::newRow("a leading quote is doubled inside quotes")
            << "70" << QStringList{"\"bo\"b:pass:0"} << "#70%\"\"\"bo\"\"b:pass:0\"%";
        QTest::newRow("a quote within needs no quotes") << "70" << QStringList{"bo\"b:pass:0"} << "#70%bo\"b:pass:0%";
        QTest::newRow("a percent sign or a tab is quoted")
            << "70" << QStringList{"al%ice:pw:0", "tab\tx:pw:0"} << "#70%\"al%ice:pw:0\"%\"tab\tx:pw:0\"%";
    }
    // The message, loaded as the robot's list, gives the same entries back.
    void message()
    {
        QFETCH(QString, speed);
        QFETCH(QStringList, entries);
        QFETCH(QString, message);
        QCOMPARE(userListMessage(speed, entries), message);
        QCOMPARE(loadUserList(message).entries, entries);
    }

    void add_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("isAdmin");
        QTest::addColumn<UserNotice>("notice");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("after");
        const QStringList two{"Alice:pass:1", "carol:pass:0"};
        const auto status = UserNotice::StatusPanel;
        const auto box = UserNotice::ErrorBox;
        QTest::newRow("case differs from a user")
            << two << "alice"
            << "word" << false << status << Added << QStringList{"Alice:pass:1", "alice:word:0", "carol:pass:0"};
        QTest::newRow("administrator sorted in")
            << two << "bobby"
            << "word" << true << status << Added << QStringList{"Alice:pass:1", "bobby:word:1", "carol:pass:0"};
        QTest::newRow("to an empty list") << QStringList{} << "bobby"
                                          << "word" << false << status << Added << QStringList{"bobby:word:0"};
        QTest::newRow("eleventh") << usersNamed(10) << "user11"
                                  << "pass" << false << status << Added << usersNamed(11);
        QTest::newRow("twelfth") << usersNamed(11) << "user12"
                                 << "pass" << false << box
                                 << "Cannot add user. QuorvelBot keeps at most 11 users; delete one first."
                                 << usersNamed(11);
        QTest::newRow("no name") << two << ""
                                 << "word" << false << status
                                 << "Please enter username and password before adding a user" << two;
        QTest::newRow("no password") << two << "bobby"
                                     << "" << false << status
                                     << "Please enter username and password before adding a user" << two;
        QTest::newRow("four-character name") << two << "bobb"
                                             << "word" << false << box << AddError << two;
        QTest::newRow("three-character password") << two << "bobby"
                                                  << "wor" << false << box << AddError << two;
        QTest::newRow("same name") << two << "carol"
                                   << "word" << false << status << "Username already exists" << two;
        QTest::newRow("colon in name") << two << "bob:by"
                                       << "word" << false << box << AddUnsafe << two;
        QTest::newRow("percent in password") << two << "bobby"
                                             << "wo%rd" << false << box << AddUnsafe << two;
        QTest::newRow("blank in name") << two << "bob by"
                                       << "word" << false << box << AddUnsafe << two;
        QTest::newRow("quote in password") << two << "bobby"
                                           << "wo\"rd" << false << box << AddUnsafe << two;
        QTest::newRow("tab in password") << two << "bobby"
                                         << "wo\trd" << false << box << AddUnsafe << two;
    }
    void add()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(bool, isAdmin);
        QFETCH(UserNotice, notice);
        QFETCH(QString, text);
        QFETCH(QStringList, after);
        const bool changes = after != entries;
        const UserEdit edit = addUser(entries, name, password, isAdmin);
        QCOMPARE(edit.done, changes);
        QCOMPARE(edit.notice, notice);
        QCOMPARE(edit.text, text);
        QCOMPARE(entries, after);
    }

    void edit_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("isAdmin");
        QTest::addColumn<UserNotice>("notice");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("after");
        const QStringList three{"Alice:pass:1", "bobby:pass:0", "carol:pass:0"};
        const auto status = UserNotice::StatusPanel;
        const auto box = UserNotice::ErrorBox;
        QTest::newRow("password, name kept")
            << 1 << "bobby"
            << "newer" << true << status << Edited << QStringList{"Alice:pass:1", "bobby:newer:1", "carol:pass:0"};
        QTest::newRow("renamed, not re-sorted")
            << 0 << "zelda"
            << "pass" << true << status << Edited << QStringList{"zelda:pass:1", "bobby:pass:0", "carol:pass:0"};
        QTest::newRow("onto another name") << 1 << "carol"
                                           << "pass" << false << status << "Username already exists" << three;
        QTest::newRow("none selected") << -1 << "bobby"
                                       << "pass" << false << status << "Select a user to edit" << three;
        QTest::newRow("short name") << 1 << "bob"
                                    << "pass" << false << box << EditError << three;
        QTest::newRow("short password") << 1 << "bobby"
                                        << "abc" << false << box << EditError << three;
        QTest::newRow("colon in password") << 1 << "bobby"
                                           << "pa:ss" << false << box << EditUnsafe << three;
    }
    void edit()
    {
        QFETCH(int, selected);
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(bool, isAdmin);
        QFETCH(UserNotice, notice);
        QFETCH(QString, text);
        QFETCH(QStringList, after);
        QStringList entries{"Alice:pass:1", "bobby:pass:0", "carol:pass:0"};
        const QString selectedName = selected < 0 ? QString() : splitUserEntry(entries[selected]).name;
        const UserEdit edit = editUser(entries, selected, selectedName, name, password, isAdmin);
        QCOMPARE(edit.done, after != QStringList({"Alice:pass:1", "bobby:pass:0", "carol:pass:0"}));
        QCOMPARE(edit.notice, notice);
        QCOMPARE(edit.text, text);
        QCOMPARE(entries, after);
    }

    void remove_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("signedIn");
        QTest::addColumn<UserNotice>("notice");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("after");
        const QStringList two{"Alice:pass:1", "bobby:pass:0"};
        QTest::newRow("another user") << two << 1 << "Alice" << UserNotice::StatusPanel << Deleted
                                      << QStringList{"Alice:pass:1"};
        QTest::newRow("yourself") << two << 0 << "Alice" << UserNotice::ErrorBox << "You cannot delete yourself" << two;
        QTest::newRow("yourself in other case")
            << two << 0 << "alice" << UserNotice::StatusPanel << Deleted << QStringList{"bobby:pass:0"};
        QTest::newRow("the last user")
            << QStringList{"bobby:pass:0"} << 0 << "Alice" << UserNotice::ErrorBox
            << "Deleting all the users will prevent you from logging into QuorvelBot in future.\r\nDeletion Aborted."
            << QStringList{"bobby:pass:0"};
        QTest::newRow("none selected") << two << -1 << "Alice" << UserNotice::StatusPanel << "Select a user to delete"
                                       << two;
    }
    void remove()
    {
        QFETCH(QStringList, entries);
        QFETCH(int, selected);
        QFETCH(QString, signedIn);
        QFETCH(UserNotice, notice);
        QFETCH(QString, text);
        QFETCH(QStringList, after);
        const bool changes = after != entries;
        const UserEdit edit = deleteUser(entries, selected, signedIn);
        QCOMPARE(edit.done, changes);
        QCOMPARE(edit.notice, notice);
        QCOMPARE(edit.text, text);
        QCOMPARE(entries, after);
    }

    void speedFloor_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("speed");
        QTest::newRow("dragged to 10") << 10 << 40;
        QTest::newRow("just below") << 39 << 40;
        QTest::newRow("floor") << 40 << 40;
        QTest::newRow("full") << 100 << 100;
    }
    void speedFloor()
    {
        QFETCH(int, position);
        QFETCH(int, speed);
        QCOMPARE(maximumSpeedPosition(position), speed);
    }
};

QTEST_APPLESS_MAIN(UserListTest)
#include "UserListTest.moc"
