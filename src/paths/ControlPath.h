#pragma once
#include <QString>
#include <array>
#include <optional>

// The ways to reach a robot, with the codes kept in LinkState::pathAttempt.
enum class ControlPath { DirectSocket = 0, WebRTC = 1, CloudService = 2, Auto = 3 };

// The key a contact stores for the path ("Socket", "webRTC", "QCloud", "Auto").
QString contactKey(ControlPath path);
// The name in "Logged in via ..."; empty for codes other than 0, 1 and 2.
QString pathDisplayName(int pathAttempt);

// The order in which an "Auto" contact tries the paths.
inline constexpr std::array<ControlPath, 3> AutoOrder{ControlPath::DirectSocket, ControlPath::WebRTC,
                                                      ControlPath::CloudService};
// The path "Auto" tries after the one with code pathAttempt; none after the last.
std::optional<ControlPath> nextAutoPath(int pathAttempt);
