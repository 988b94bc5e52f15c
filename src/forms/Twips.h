#pragma once

#include <QRect>
#include <QWidget>

namespace forms {

// Layout positions are given in twips: 15 twips make one pixel at 96 dots per inch.
constexpr int kTwipsPerPixel = 15;
constexpr int pixels(int twips) { return twips / kTwipsPerPixel; }

inline QRect twipRect(int left, int top, int width, int height)
{
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

inline void placeTwips(QWidget& widget, int left, int top, int width, int height)
{
    widget.setGeometry(twipRect(left, top, width, height));
}

}  // namespace forms
