#include "FrameStyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>

namespace forms {

namespace {

// One style for every frame, owned by the application.
QStyle* windowsStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = QStyleFactory::create(QStringLiteral("Windows"));
        if (style)
            style->setParent(qApp);
    }
    return style;
}

}  // namespace

void drawCaptionOnFrameLine(QGroupBox& frame)
{
    if (frame.style()->name() != QLatin1String("fusion"))
        return;
    if (QStyle* style = windowsStyle())
        frame.setStyle(style);
}

}  // namespace forms
