#include "AppTitle.h"
#include "Form1.h"
#include "ProductionServices.h"

#include <QApplication>
#include <QCommandLineParser>

#include <algorithm>
#include <cstring>

namespace {

// "--version" anywhere on the command line asks for the version; every other argument is
// ignored, as the program has always done.
bool asksForVersion(int argc, char* argv[])
{
    return std::any_of(argv + 1, argv + argc, [](const char* argument) {
        return std::strcmp(argument, "--version") == 0;
    });
}

// Prints "Numorra <version>" and ends the program, before any window or display is needed.
// On Windows, where the program has no console, Qt shows the line in a message box instead.
[[noreturn]] void showVersion(int& argc, char* argv[])
{
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(app::productName());
    QCommandLineParser().showVersion();
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationVersion(QStringLiteral(NUMORRA_VERSION));
    if (asksForVersion(argc, argv))
        showVersion(argc, argv);
    QApplication application(argc, argv);
    // Ties the windows to the menu entry, for the desktop's task switcher and dock.
    QGuiApplication::setDesktopFileName(QStringLiteral(NUMORRA_APP_ID));
    platform::ProductionServices services;
    Form1 form;
    form.show();
    return QApplication::exec();
}
