#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

namespace forms {

// The program's picture, a lottery ball with a "7", for a square of a given side: the window
// icon and the icon files (SVG, PNG, ICO) are drawn from it, so all show the same ball.
struct BallPicture {
    QRectF ball;
    QPointF shineCentre;  // the radial gradient runs from light at the centre to dark
    qreal shineRadius = 0;
    QColor light;
    QColor dark;
    QRectF face;
    QColor faceColour;
    QPainterPath label;  // the "7" as outlines, so every renderer draws the same shape
    QColor labelColour;
};

BallPicture ballPicture(int side);
// The picture painted on a transparent square image.
QImage ballImage(int side);

// The icon of both windows, drawn so the program needs no image files.
QIcon applicationIcon();

}  // namespace forms
