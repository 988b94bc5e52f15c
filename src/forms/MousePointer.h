#pragma once

namespace forms {

// A window's mouse pointer value. The hourglass doubles as the window's busy flag.
enum MousePointer : int {
    kDefaultPointer = 0,
    kHourglassPointer = 11,
    kCustomPointer = 99,  // the hand loaded from "HAND-M.CUR"; the default when none was loaded
};

// The pointer a command puts back given the one it found: the default, unless it ran inside
// another command's yield, whose hourglass (its guard against list changes) it leaves.
inline int pointerAfterCommand(int pointerFound)
{
    return pointerFound == kHourglassPointer ? kHourglassPointer : kDefaultPointer;
}

}  // namespace forms
