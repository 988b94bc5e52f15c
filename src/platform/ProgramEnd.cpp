#include "ProgramEnd.h"

#include "Services.h"

#include <QApplication>
#include <QWidget>

namespace platform {

void throwIfEnding()
{
    if (services().programEnding)
        throw ProgramEnded{};
}

void endProgram()
{
    if (services().programEnding)
        return;
    services().programEnding = true;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        window->hide();
    QCoreApplication::quit();
}

}  // namespace platform
