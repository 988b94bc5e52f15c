#include "Services.h"

#include "ProgramEnd.h"

namespace platform {

Services& services()
{
    static Services registry;
    return registry;
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

}  // namespace platform
