#include "ButtonFaceColors.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace platform {

namespace {

void paintBackground(QWidget& widget, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

bool takesButtonFace(const QWidget& widget)
{
    return qobject_cast<const QCheckBox*>(&widget) || qobject_cast<const QRadioButton*>(&widget)
           || qobject_cast<const QGroupBox*>(&widget) || qobject_cast<const QLabel*>(&widget);
}

}  // namespace

void ApplyButtonFaceColors(QWidget& window)
{
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    paintBackground(window, buttonFace);
    const auto children = window.findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (takesButtonFace(*child))
            paintBackground(*child, buttonFace);
    }
}

}  // namespace platform
