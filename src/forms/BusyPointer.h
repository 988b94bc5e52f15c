#pragma once

#include "ErrorTrap.h"
#include "MousePointer.h"

namespace forms {

// A command's hourglass: shown when the command begins its work, and the pointer the
// command found put back when it ends (pointerAfterCommand()). Each step is a statement of
// the command's error trap, at the line the caller names. `Window` has mousePointer() and
// setMousePointer().
template <class Window>
class BusyPointer {
public:
    BusyPointer(report::ErrorTrap& trap, Window& window, int line)
        : trap_(trap), window_(window), found_(window.mousePointer())
    {
        trap_(line, [this] { window_.setMousePointer(kHourglassPointer); });
    }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

    void putBack(int line)
    {
        trap_(line, [this] { window_.setMousePointer(pointerAfterCommand(found_)); });
    }

private:
    report::ErrorTrap& trap_;
    Window& window_;
    int found_;
};

}  // namespace forms
