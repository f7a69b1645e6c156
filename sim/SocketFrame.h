#pragma once
#include <QString>
#include <optional>

// The controller puts seconds "." milliseconds ":" before every command it
// sends over the direct socket. Returns the command after that stamp, or
// nothing when the frame does not begin with one.
std::optional<QString> commandOfFrame(const QString &frame);
