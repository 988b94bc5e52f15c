#pragma once

#include <QRect>
#include <QWidget>

namespace forms {

// Positions are in twips, 1/1440 inch. On Windows the layout is at the screen's dots per
// inch, so edges fall on whole pixels at every scaling; elsewhere Qt scales a 96-dot layout.
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
