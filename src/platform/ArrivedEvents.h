#pragma once

namespace platform {

// Runs the events already arrived, close requests included, dropping user input: before a
// modal box it would start a second command (a double-click on "Search" searching twice).
void runArrivedEventsDroppingInput();

}  // namespace platform
