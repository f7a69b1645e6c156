#pragma once
#include <optional>

// Answers "--help" and "--version" on the terminal, before any window system
// is needed; a value means the process ends now with that exit status.
// Other arguments are left to the application object.
std::optional<int> answerCommandLine(int argc, char *argv[]);
