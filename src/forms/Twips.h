#pragma once

#include <QRect>
#include <QWidget>

namespace forms {

// Layout positions are given in twips, 1/1440 inch: 15 twips make one pixel at 96 dots per
// inch. On Windows the program lays itself out at the screen's own dots per inch, as
// Windows programs laid out in twips do, so that every control's edges fall on whole
// pixels at every scaling; elsewhere Qt scales the 96-dot layout.
int layoutDotsPerInch();

inline int pixels(int twips) { return twips * layoutDotsPerInch() / 1440; }

inline QRect twipRect(int left, int top, int width, int height)
{
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

inline void placeTwips(QWidget& widget, int left, int top, int width, int height)
{
    widget.setGeometry(twipRect(left, top, width, height));
}

}  // namespace forms
