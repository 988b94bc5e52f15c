#pragma once

#include <QProxyStyle>

namespace forms {

// The style with its sizes at the layout's dots per inch, for Windows, where Qt's scaling
// is off (see Twips.h). A theme that keeps marks, icons and scroll bars at 96 dots per inch
// (Wine's) leaves a check box half its caption's height at 200 %: those sizes are scaled
// when the wrapped style keeps its check box at 96 dots; lines and frames keep their pixels.
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

// Windows: wraps the application's style in a LayoutDpiStyle, once; elsewhere Qt scales it.
void sizeStyleToLayoutDpi();

}  // namespace forms
