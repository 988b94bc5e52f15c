#pragma once

#include <QProxyStyle>

namespace forms {

// The application's style with its sizes at the layout's dots per inch. On Windows Qt's own
// scaling is off (see Twips.h), and the style then gives the squares of check boxes, the
// circles of option buttons, icons and scroll bars their sizes at 96 dots per inch: at
// 200 % a check box's square was half as tall as its caption. This style scales those sizes
// of the style it wraps; lines and frames keep their widths in pixels.
class LayoutDpiStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit LayoutDpiStyle(int dotsPerInch);

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

private:
    int dotsPerInch_;
};

// Windows: makes the application's style a LayoutDpiStyle at layoutDotsPerInch(), once.
// Elsewhere Qt scales the style with the rest of the window, and the style stays as it is.
void sizeStyleToLayoutDpi();

}  // namespace forms
