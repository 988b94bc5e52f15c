#include "OptionalSkin.h"

#include "ButtonFaceColors.h"
#include "Services.h"

#include <QDir>
#include <QFileInfo>

void ApplyOptionalSkin(QWidget& window)
{
    const QString skinFile = platform::programFolder() + QDir::separator() + QStringLiteral("x")
                             + QDir::separator() + QStringLiteral("o.cjs");
    if (QFileInfo(skinFile).isFile())
        forms::ApplyButtonFaceColors(window);
}
