#include "LayoutDpiStyle.h"

#include "Twips.h"

#include <QApplication>

namespace forms {

namespace {

// The style's sizes of marks, icons and scroll bars, not the widths of lines and frames.
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

LayoutDpiStyle::LayoutDpiStyle(int dotsPerInch, QStyle* base)
    : QProxyStyle(base), dotsPerInch_(dotsPerInch)
{
}

int LayoutDpiStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                const QWidget* widget) const
{
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    return isSize(metric) && !baseScales() ? qRound(size * dotsPerInch_ / 96.0) : size;
}

// Whether the wrapped style sizes its marks at the layout's dots per inch itself: its check
// box square, 13 pixels or so at 96 dots per inch, is then at least 12 at 96.
bool LayoutDpiStyle::baseScales() const
{
    return dotsPerInch_ > 96
           && QProxyStyle::pixelMetric(PM_IndicatorWidth) * 96 >= 12 * dotsPerInch_;
}

void sizeStyleToLayoutDpi()
{
#ifdef Q_OS_WIN
    if (!qobject_cast<LayoutDpiStyle*>(QApplication::style()))
        QApplication::setStyle(new LayoutDpiStyle(layoutDotsPerInch()));
#endif
}

}  // namespace forms
