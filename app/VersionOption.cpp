#include "VersionOption.h"

#include "AppTitle.h"

#include <QByteArray>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace report {

namespace {

#ifdef Q_OS_WIN
// A Windows program without a console of its own gets no standard output unless it was
// redirected. Started from a command prompt, it writes to that prompt's console; started
// from Explorer, it has none, and the line is shown in a message box.
bool haveStandardOutput()
{
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (output != nullptr && output != INVALID_HANDLE_VALUE)
        return true;
    return AttachConsole(ATTACH_PARENT_PROCESS) && std::freopen("CONOUT$", "w", stdout);
}

void showLine(const QByteArray& line)
{
    if (haveStandardOutput())
        std::fputs(line.constData(), stdout);
    else
        MessageBoxA(nullptr, line.constData(), "Numorra", MB_OK | MB_ICONINFORMATION);
}
#else
void showLine(const QByteArray& line) { std::fputs(line.constData(), stdout); }
#endif

}  // namespace

bool asksForVersion(int argc, char* argv[])
{
    return std::any_of(argv + 1, argv + argc, [](const char* argument) {
        return std::strcmp(argument, "--version") == 0;
    });
}

void showVersion()
{
    showLine((report::productName() + QStringLiteral(" " NUMORRA_VERSION "\n")).toUtf8());
    std::fflush(stdout);
    std::exit(EXIT_SUCCESS);
}

}  // namespace report
