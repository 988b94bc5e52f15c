#pragma once

#include <optional>

namespace app {

// The exit code of a command line the program does not understand.
inline constexpr int kUsageError = 2;

// "--help" (or "-h") and "--version" (or "-v") anywhere on the command line print the help
// or the version and end the program, before any window or display is needed. Returns the
// exit code when one of them was answered, nothing otherwise.
std::optional<int> answerInformationOptions(int argc, char* argv[]);

// Called once QApplication has taken its own options (-platform, -style and the like) out
// of argv: anything left is not understood. Says so on standard error and returns false.
bool acceptsRemainingArguments(int argc, char* argv[]);

}  // namespace app
