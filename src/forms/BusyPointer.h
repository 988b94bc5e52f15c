#pragma once

#include "ErrorTrap.h"
#include "MousePointer.h"

namespace forms {

// A command's hourglass, shown at construction; putBack() sets pointerAfterCommand() of the
// pointer found. Each step is a statement of the command's error trap, at the caller's line.
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
