#include "LayoutDpiStyle.h"

#include "Twips.h"

#include <QApplication>

namespace forms {

namespace {

// The style's sizes of marks, icons and scroll bars; the widths of lines and frames are not
// among them.
bool isSize(QStyle::PixelMetric metric)
{
    switch (metric) {
        case QStyle::PM_IndicatorWidth:
        case QStyle::PM_IndicatorHeight:
        case QStyle::PM_ExclusiveIndicatorWidth:
        case QStyle::PM_ExclusiveIndicatorHeight:
        case QStyle::PM_CheckBoxLabelSpacing:
        case QStyle::PM_RadioButtonLabelSpacing:
        case QStyle::PM_MessageBoxIconSize:
        case QStyle::PM_SmallIconSize:
        case QStyle::PM_HeaderMarkSize:
        case QStyle::PM_ScrollBarExtent:
            return true;
        default:
            return false;
    }
}

}  // namespace

LayoutDpiStyle::LayoutDpiStyle(int dotsPerInch) : dotsPerInch_(dotsPerInch) {}

int LayoutDpiStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                const QWidget* widget) const
{
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    return isSize(metric) ? qRound(size * dotsPerInch_ / 96.0) : size;
}

void sizeStyleToLayoutDpi()
{
#ifdef Q_OS_WIN
    if (!qobject_cast<LayoutDpiStyle*>(QApplication::style()))
        QApplication::setStyle(new LayoutDpiStyle(layoutDotsPerInch()));
#endif
}

}  // namespace forms
