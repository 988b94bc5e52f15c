#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace forms {

int layoutDotsPerInch()
{
#ifdef Q_OS_WIN
    // Qt's own scaling is off on Windows (see main()), so the screen reports its dots per
    // inch as the display's scaling sets them: 120 at 125 %.
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchX()) : 96;
#else
    return 96;
#endif
}

}  // namespace forms
