#pragma once
#include <QString>
#include <optional>

// The choices on the first page of the add-robot wizard, numbered as the
// lists show them.

enum class SetupPath { CloudService = 0, DirectSocket = 1, WebRTC = 2, Auto = 3 };
enum class SetupConferencing { Skype = 0, Other = 1 };

// The text of the control-path list item, e.g. "Direct Socket".
QString setupPathItemText(SetupPath path);
// The key a contact stores: "QCloud", "Socket", "webRTC" or "Auto".
QString setupPathKey(SetupPath path);
// The path of a stored key, compared without regard to case; none for any
// other key.
std::optional<SetupPath> setupPathOfKey(const QString &key);

// "Skype" or "Other".
QString setupConferencingItemText(SetupConferencing conferencing);
