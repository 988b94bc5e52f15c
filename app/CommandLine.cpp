#include "CommandLine.h"

#include "AppTitle.h"

#include <QByteArray>

#include <cstdio>
#include <cstring>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace app {

namespace {

constexpr char kHelp[] =
    "Usage: numorra [options]\n"
    "\n"
    "Numorra generates lottery picks in a window of its own.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Show this help and exit.\n"
    "  -v, --version  Show the program's version and exit.\n"
    "\n"
    "Qt's own options, such as -platform <name> or -style <name>, are passed to Qt.\n";

#ifdef Q_OS_WIN
// A Windows program without a console of its own gets no standard streams unless they were
// redirected. Started from a command prompt, it writes to that prompt's console; started
// from Explorer, it has none, and the text is shown in a message box.
bool haveStream(DWORD handleId, FILE* stream)
{
    const HANDLE handle = GetStdHandle(handleId);
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE)
        return true;
    return (AttachConsole(ATTACH_PARENT_PROCESS) || GetLastError() == ERROR_ACCESS_DENIED)
           && std::freopen("CONOUT$", "w", stream);
}

void show(const QByteArray& text, FILE* stream)
{
    const bool isError = stream == stderr;
    if (haveStream(isError ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE, stream))
        std::fputs(text.constData(), stream);
    else
        MessageBoxA(nullptr, text.constData(), "Numorra",
                    isError ? MB_ICONERROR : MB_ICONINFORMATION);
    std::fflush(stream);
}
#else
void show(const QByteArray& text, FILE* stream)
{
    std::fputs(text.constData(), stream);
    std::fflush(stream);
}
#endif

bool isAny(const char* argument, const char* longName, const char* shortName)
{
    return std::strcmp(argument, longName) == 0 || std::strcmp(argument, shortName) == 0;
}

}  // namespace

std::optional<int> answerInformationOptions(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (isAny(argv[i], "--help", "-h")) {
            show(kHelp, stdout);
            return 0;
        }
        if (isAny(argv[i], "--version", "-v")) {
            show((report::productName() + QStringLiteral(" " NUMORRA_VERSION "\n")).toUtf8(),
                 stdout);
            return 0;
        }
    }
    return std::nullopt;
}

bool acceptsRemainingArguments(int argc, char* argv[])
{
    if (argc < 2)
        return true;
    const QByteArray argument(argv[1]);
    const char* kind = argument.startsWith('-') ? "unknown option" : "unexpected argument";
    show("numorra: " + QByteArray(kind) + " '" + argument
             + "'\nTry 'numorra --help' for the options.\n",
         stderr);
    return false;
}

}  // namespace app
