#pragma once

#include <QProxyStyle>

namespace forms {

// The application's style with its sizes at the layout's dots per inch. On Windows Qt's own
// scaling is off (see Twips.h). Windows' theme then gives the squares of check boxes, the
// circles of option buttons, icons and scroll bars at the screen's dots per inch already,
// but a theme that gives them at 96 dots per inch whatever the screen (Wine's) left a check
// box's square half as tall as its caption at 200 %. This style scales those sizes of the
// style it wraps when the wrapped style leaves its check box at its 96-dot size, and
// passes them through otherwise; lines and frames keep their widths in pixels.
class LayoutDpiStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Wraps `base` (taking it over), or the application's default style.
    explicit LayoutDpiStyle(int dotsPerInch, QStyle* base = nullptr);

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

private:
    bool baseScales() const;

    int dotsPerInch_;
};

// Windows: makes the application's style a LayoutDpiStyle at layoutDotsPerInch(), once.
// Elsewhere Qt scales the style with the rest of the window, and the style stays as it is.
void sizeStyleToLayoutDpi();

}  // namespace forms
