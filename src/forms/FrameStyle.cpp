#include "FrameStyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QPointer>
#include <QProxyStyle>
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

// The name of the style a widget draws in, seen through a proxy such as LayoutDpiStyle.
QString drawingStyleName(const QStyle& style)
{
    if (const auto* proxy = qobject_cast<const QProxyStyle*>(&style))
        return proxy->baseStyle()->name();
    return style.name();
}

}  // namespace

void drawCaptionOnFrameLine(QGroupBox& frame)
{
    if (drawingStyleName(*frame.style()) != QLatin1String("fusion"))
        return;
    if (QStyle* style = windowsStyle())
        frame.setStyle(style);
}

}  // namespace forms
