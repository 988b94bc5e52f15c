#pragma once

namespace platform {

// Lets the events that have already arrived run now, but drops the user's input among
// them (mouse, wheel, keys, touch). Called just before a modal box shows: the
// box would block that input from reaching its window anyway, and delivering it first
// would start a second command inside the one that is finishing (a double-click on
// "Search" searching twice). Other events, a request to close a window among them, run.
void runArrivedEventsDroppingInput();

}  // namespace platform
