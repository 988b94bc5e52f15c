#pragma once

namespace report {

// "--version" anywhere on the command line asks for the version; every other argument is
// ignored, as the program has always done.
bool asksForVersion(int argc, char* argv[]);

// Prints "Numorra <version>" and ends the program, before any window or display is needed.
[[noreturn]] void showVersion();

}  // namespace report
