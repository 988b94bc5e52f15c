#pragma once

#include <optional>

namespace app {

inline constexpr int kUsageError = 2;
inline constexpr int kNoDisplay = 3;

// "--help" ("-h") or "--version" ("-v") anywhere prints the help or the version before any
// window or display is needed; returns the exit code when one of them was answered.
std::optional<int> answerInformationOptions(int argc, char* argv[]);

// Whether Qt has a display: a platform named by "-platform" or QT_QPA_PLATFORM, else, with
// X11 or Wayland, DISPLAY or WAYLAND_DISPLAY. Without one QApplication would abort, so Qt's
// "minimal" platform is named instead, and QApplication still takes its options first.
bool prepareDisplay(int argc, char* argv[]);

// Called once QApplication has taken its own options out of the command line: anything left
// is not understood, which is said on standard error; false then.
bool acceptsRemainingArguments();

// Says on standard error that no display was found and how to run without one; the exit code.
int refuseWithoutDisplay();

}  // namespace app
