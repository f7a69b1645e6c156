#pragma once
#include <QString>

#include "contacts/ContactList.h"
#include "contacts/SetupChoices.h"

// The checks of the add-robot wizard's first page. Each gives the message the
// wizard shows and stays on its page with, or an empty text when the page may
// be left.

// True when text is a well-formed address: four groups of one to three
// decimal digits, each at most 255, joined by exactly three dots, e.g.
// 192.168.1.20.
bool IsWrongIP(const QString &text);

// A direct-socket base name: an address when it begins with a digit, else a
// name beginning with "quorvelbot" or "lindmere" in any letter case.
QString directSocketBaseNameProblem(const QString &baseName);

// Next on the Skype contact page: a name chosen, one the robot list can hold.
QString headSkypeNameProblem(const QString &skypeName);

// In add mode a full list leaves no room for the robot.
QString robotListFullProblem(const ContactList &list);

struct SetupFirstPage {
    SetupPath path = SetupPath::CloudService;
    QString description;
    QString baseName;
    // The fields have had the focus once, so they no longer hold their
    // placeholders.
    bool descriptionTouched = false;
    bool baseNameTouched = false;
    bool addMode = true;
};

// Next on the first page, in this order: room in the list (add mode), both
// fields given, the description not yet used (add mode, case-sensitive),
// neither field holding "," or a line break (they are fields of a robot-list
// line), the description one folder name of its own (it names the robot's
// folder under "Data"), and for the direct socket the base name.
QString setupFirstPageProblem(const SetupFirstPage &page, const ContactList &list);
