#include "Services.h"

#include <QApplication>
#include <QWidget>

namespace platform {

Services& services()
{
    static Services registry;
    return registry;
}

ServicesOverride::ServicesOverride(const Services& replacement) : saved_(services())
{
    services() = replacement;
}

ServicesOverride::~ServicesOverride() { services() = saved_; }

static void throwIfEnding()
{
    if (services().programEnding)
        throw ProgramEnded{};
}

MsgAnswer msgBox(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon)
{
    throwIfEnding();
    services().pump->catchUp();
    throwIfEnding();
    const MsgAnswer answer = services().messageBox->show(text, title, buttons, icon);
    throwIfEnding();
    return answer;
}

void yieldEvents()
{
    services().pump->yield();
    throwIfEnding();
}

QString programFolder() { return services().programFolder; }

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

bool programEnding() { return services().programEnding; }

}  // namespace platform
