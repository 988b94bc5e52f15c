#include "MousePointer.h"

namespace forms {

int pointerAfterCommand(int pointerFound)
{
    return pointerFound == kHourglassPointer ? kHourglassPointer : kDefaultPointer;
}

}  // namespace forms
