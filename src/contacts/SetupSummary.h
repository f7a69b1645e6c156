#pragma once
#include <QString>

#include "contacts/SetupChoices.h"

// The add-robot wizard's summary page: what the new or shown robot entry will
// hold, as one text of CR LF lines.

struct SetupSummaryFacts {
    SetupPath path = SetupPath::CloudService;
    SetupConferencing conferencing = SetupConferencing::Skype;
    QString description;
    QString baseName;
    QString headSkypeName; // with Skype: the head device's Skype name
};

// The path, the conferencing application and the description; the base name
// as an address for the direct socket, as a base name for WebRTC and Auto, not
// at all for the cloud service; then the head's Skype name, or with another
// application a note that the call must be placed by hand.
QString setupSummaryText(const SetupSummaryFacts &facts);
