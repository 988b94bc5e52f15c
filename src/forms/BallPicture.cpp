#include "BallPicture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>

namespace forms {

namespace {

// The label centred in the square the way QPainter::drawText with Qt::AlignCenter places it.
QPainterPath centredLabel(const QString& text, int side)
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(side * 2 / 5);
    const QFontMetricsF metrics(font);
    const QPointF baseline((side - metrics.horizontalAdvance(text)) / 2,
                           (side - metrics.height()) / 2 + metrics.ascent());
    QPainterPath path;
    path.addText(baseline, font, text);
    return path;
}

void paintBall(QPainter& painter, const BallPicture& picture)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    QRadialGradient shine(picture.shineCentre, picture.shineRadius);
    shine.setColorAt(0, picture.light);
    shine.setColorAt(1, picture.dark);
    painter.setBrush(shine);
    painter.drawEllipse(picture.ball);
    painter.setBrush(picture.faceColour);
    painter.drawEllipse(picture.face);
    painter.fillPath(picture.label, picture.labelColour);
}

}  // namespace

BallPicture ballPicture(int side)
{
    BallPicture picture;
    picture.ball = QRectF(1, 1, side - 2, side - 2);
    picture.shineCentre = QPointF(side * 0.35, side * 0.3);
    picture.shineRadius = side * 0.7;
    picture.light = QColor(255, 236, 140);
    picture.dark = QColor(214, 120, 0);
    picture.face = QRectF(side * 0.25, side * 0.25, side * 0.5, side * 0.5);
    picture.faceColour = Qt::white;
    picture.label = centredLabel(QStringLiteral("7"), side);
    picture.labelColour = QColor(40, 40, 40);
    return picture;
}

QImage ballImage(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintBall(painter, ballPicture(side));
    return image;
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int side : {16, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(ballImage(side)));
    return icon;
}

}  // namespace forms
