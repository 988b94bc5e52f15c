#pragma once

#include <QCursor>

#include <optional>

namespace forms {

// A window's mouse pointer value. The hourglass doubles as the window's busy flag.
enum MousePointer : int {
    kDefaultPointer = 0,
    kHourglassPointer = 11,
    kCustomPointer = 99,  // the hand loaded from "HAND-M.CUR"; the default when none was loaded
};

// The pointer a command puts back when it ends, given the one it found when it began: the
// default, unless it ran inside another command's yield, whose hourglass it then leaves
// showing, so that the other command's guard against list changes still holds.
int pointerAfterCommand(int pointerFound);

// The cursor shape shown for a pointer value.
QCursor cursorForPointer(int pointer, const std::optional<QCursor>& custom);

}  // namespace forms
