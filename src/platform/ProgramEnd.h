#pragma once

#include <exception>

// The end of the program: closing the main window ends it at once, even in the middle of
// a command that yields. The command then unwinds from its next yield or message box.
namespace platform {

// Thrown out of a yield or a message box once the program has been told to end, so
// that a running command unwinds at once instead of finishing its work.
class ProgramEnded : public std::exception {
public:
    const char* what() const noexcept override { return "program ended"; }
};

// Ends the program at once: every window goes, the event loop quits, and any command
// still running unwinds at its next yield.
void endProgram();
bool programEnding();

// Runs an event handler, absorbing the unwinding of a command cut off by endProgram().
template <typename Handler>
void runHandler(Handler&& handler)
{
    try {
        handler();
    } catch (const ProgramEnded&) {
    }
}

// Throws ProgramEnded once the program has been told to end.
void throwIfEnding();

}  // namespace platform
