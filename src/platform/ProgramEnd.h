#pragma once

#include <exception>

// The end of the program: closing the main window ends it at once, even in the middle of
// a command that yields. The command then unwinds from its next yield or message box.
namespace platform {

// Thrown out of a yield or a message box once the program is ending, to unwind a command.
class ProgramEnded : public std::exception {
public:
    const char* what() const noexcept override { return "program ended"; }
};

// Ends the program at once: every window goes and the event loop quits.
void endProgram();

// Runs an event handler, absorbing the unwinding of a command cut off by endProgram().
template <typename Handler>
void runHandler(Handler&& handler)
{
    try {
        handler();
    } catch (const ProgramEnded&) {
    }
}

void throwIfEnding();

}  // namespace platform
