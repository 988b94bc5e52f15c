#include "ApplicationIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>

namespace forms {

namespace {

QPixmap ballPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shine(size * 0.35, size * 0.3, size * 0.7);
    shine.setColorAt(0, QColor(255, 236, 140));
    shine.setColorAt(1, QColor(214, 120, 0));
    painter.setBrush(shine);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(1, 1, size - 2, size - 2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(size * 0.25, size * 0.25, size * 0.5, size * 0.5));
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(size * 2 / 5);
    painter.setFont(font);
    painter.setPen(QColor(40, 40, 40));
    painter.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, QStringLiteral("7"));
    return pixmap;
}

}  // namespace

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(ballPixmap(size));
    return icon;
}

}  // namespace forms
