#pragma once
#include <QString>

// The ways to reach a robot, with the codes kept in LinkState::pathAttempt.
enum class ControlPath { DirectSocket = 0, WebRTC = 1, CloudService = 2, Auto = 3 };

// The key a contact stores for the path ("Socket", "webRTC", "QCloud", "Auto").
QString contactKey(ControlPath path);
// The name in "Logged in via ..."; empty for codes other than 0, 1 and 2.
QString pathDisplayName(int pathAttempt);
