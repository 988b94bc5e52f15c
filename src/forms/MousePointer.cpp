#include "MousePointer.h"

namespace forms {

int pointerAfterCommand(int pointerFound)
{
    return pointerFound == kHourglassPointer ? kHourglassPointer : kDefaultPointer;
}

QCursor cursorForPointer(int pointer, const std::optional<QCursor>& custom)
{
    if (pointer == kHourglassPointer)
        return QCursor(Qt::WaitCursor);
    if (pointer == kCustomPointer && custom)
        return *custom;
    return QCursor(Qt::ArrowCursor);
}

}  // namespace forms
