#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

#include "contacts/ContactList.h"

// The robot list file "quorvelbot.ini": a "#LastSelected:n" line, then one
// line per robot with its seven fields joined by ",". A hand-edited line with
// fewer fields reads the missing ones as empty, one with more keeps the rest
// and writes it back. Lines are written with CR LF and read ending in CR LF,
// LF or CR. Reading and writing are pure; opening the file and showing
// messages is the caller's part.

struct ContactFileContents {
    // rememberMe is not in the file: it stays false here and the caller keeps
    // the "Remember Me" box's state.
    ContactList list;
    // Non-empty line numbers of entry lines without ",", in file order; each
    // is shown as "Bad Entry in botlist file at line " + number.
    QList<int> badLines;
};

ContactFileContents readContactFile(const QByteArray &bytes);

// The text of a robot in the robot list, e.g. "Lab bench (lab-head)";
// "PolyCom" is shown as "Other".
QString contactListText(const RobotContact &contact);

struct ContactFileImage {
    QByteArray bytes;
    int count = 0; // entries written
};

// The file for the list. skipIndex -1 writes every entry, and with
// rememberMe off the selected one without user name and password; any other
// skipIndex leaves that 0-based entry out and writes the rest whole. Either
// way credentials that do not fit the file are left out.
ContactFileImage writeContactFile(const ContactList &list, int skipIndex);

// Whether the robot's user name and password read back as they are once
// written: the file has no escape for "," or a line break and holds only its
// code page's characters. Credentials that do not fit are written empty.
bool credentialsFit(const RobotContact &contact);
