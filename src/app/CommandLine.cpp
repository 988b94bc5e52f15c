#include "CommandLine.h"

#include "AppTitle.h"

#include <QByteArray>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

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
// A Windows program without a console has no standard streams unless redirected: it writes
// to the console of the prompt that started it, else (from Explorer) to a message box.
bool haveStream(DWORD handleId, FILE* stream)
{
    const HANDLE handle = GetStdHandle(handleId);
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE)
        return true;
    return (AttachConsole(ATTACH_PARENT_PROCESS) || GetLastError() == ERROR_ACCESS_DENIED)
           && std::freopen("CONOUT$", "w", stream);
}
#endif

void show(const QByteArray& text, FILE* stream)
{
#ifdef Q_OS_WIN
    const bool isError = stream == stderr;
    if (!haveStream(isError ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE, stream)) {
        MessageBoxA(nullptr, text.constData(), "Numorra",
                    isError ? MB_ICONERROR : MB_ICONINFORMATION);
        return;
    }
#endif
    std::fputs(text.constData(), stream);
    std::fflush(stream);
}

// The command line before QApplication takes its own options out ("-platform" only tells
// whether one is named). A word after one dash is one name, so "-reverse" is not "-v".
class ProgramOptions {
public:
    ProgramOptions(int argc, char* argv[])
    {
        parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser_.addOptions({help_, version_, platform_});
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
        parser_.parse(arguments);
    }

    bool helpAsked() const { return parser_.isSet(help_); }
    bool versionAsked() const { return parser_.isSet(version_); }
    bool platformNamed() const { return parser_.isSet(platform_); }

private:
    const QCommandLineOption help_{{QStringLiteral("h"), QStringLiteral("help")}};
    const QCommandLineOption version_{{QStringLiteral("v"), QStringLiteral("version")}};
    const QCommandLineOption platform_{QStringLiteral("platform"), QString(),
                                       QStringLiteral("name")};
    QCommandLineParser parser_;
};

}  // namespace

std::optional<int> answerInformationOptions(int argc, char* argv[])
{
    const ProgramOptions options(argc, argv);
    if (options.helpAsked()) {
        show(kHelp, stdout);
        return 0;
    }
    if (options.versionAsked()) {
        show((report::productName() + QStringLiteral(" " NUMORRA_VERSION "\n")).toUtf8(), stdout);
        return 0;
    }
    return std::nullopt;
}

bool prepareDisplay([[maybe_unused]] int argc, [[maybe_unused]] char* argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    if (ProgramOptions(argc, argv).platformNamed()
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    qputenv("QT_QPA_PLATFORM", "minimal");
    return false;
#else
    return true;
#endif
}

bool acceptsRemainingArguments()
{
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2)
        return true;
    const QByteArray argument = arguments[1].toLocal8Bit();
    const char* kind = argument.startsWith('-') ? "unknown option" : "unexpected argument";
    show("numorra: " + QByteArray(kind) + " '" + argument
             + "'\nTry 'numorra --help' for the options.\n",
         stderr);
    return false;
}

int refuseWithoutDisplay()
{
    show(
        "numorra: no display found; start it from a desktop session, or without one "
        "under Xvfb: xvfb-run numorra\n",
        stderr);
    return kNoDisplay;
}

}  // namespace app
