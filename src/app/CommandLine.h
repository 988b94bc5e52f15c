#pragma once

#include <optional>

namespace app {

// The exit code of a command line the program does not understand.
inline constexpr int kUsageError = 2;
// The exit code when there is no display to open the window on.
inline constexpr int kNoDisplay = 3;

// "--help" (or "-h") and "--version" (or "-v") anywhere on the command line print the help
// or the version and end the program, before any window or display is needed. Returns the
// exit code when one of them was answered, nothing otherwise.
std::optional<int> answerInformationOptions(int argc, char* argv[]);

// Whether Qt has a display to open the window on: a platform named by "-platform" or
// QT_QPA_PLATFORM, else, on systems with X11 or Wayland, DISPLAY or WAYLAND_DISPLAY. Without
// one QApplication would abort the program, so Qt's "minimal" platform, which needs no
// display, is named instead: QApplication then still takes Qt's own options off the
// command line, and what is left is refused as it is with a display.
bool prepareDisplay(int argc, char* argv[]);

// Called once QApplication has taken its own options (-platform, -style and the like) out
// of the command line: anything left is not understood. Says so on standard error and
// returns false.
bool acceptsRemainingArguments();

// Says on standard error, in one line, that no display was found and how to run the
// program without one; returns the exit code.
int refuseWithoutDisplay();

}  // namespace app
