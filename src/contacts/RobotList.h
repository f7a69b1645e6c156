#pragma once
#include <QList>
#include <QString>

#include "contacts/ContactList.h"

// The operator's robot list and its file "quorvelbot.ini", which is the
// master copy: every change is written at once and the list read back. The
// window shows it; the link reads the robot chosen; the dialogs change it.
class RobotList {
public:
    static const QString FileName;

    explicit RobotList(const QString &applicationFolder) : folder(applicationFolder) {}

    ContactList contactList;

    // The robot chosen last; a LinkError when that is outside the list.
    RobotContact &selectedContact();
    // Reads the file from the working folder, keeping "Remember Me"; false
    // when it cannot be opened. The numbers of lines that could not be read
    // are left in badLines.
    bool load(QList<int> &badLines);
    // Writes the list without the entry at skipIndex (-1: all of it) beside
    // the old file and renames it over: an interrupted save never leaves a
    // truncated list, and the saved passwords stay the owner's.
    void save(int skipIndex) const;

private:
    const QString folder;
};
