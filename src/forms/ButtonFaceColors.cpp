#include "ButtonFaceColors.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace forms {

void setBackgroundColour(QWidget& widget, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(widget.backgroundRole(), colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

namespace {

bool takesButtonFace(const QWidget& widget)
{
    return qobject_cast<const QCheckBox*>(&widget) || qobject_cast<const QRadioButton*>(&widget)
           || qobject_cast<const QGroupBox*>(&widget) || qobject_cast<const QLabel*>(&widget);
}

}  // namespace

void ApplyButtonFaceColors(QWidget& window)
{
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    setBackgroundColour(window, buttonFace);
    const auto children = window.findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (takesButtonFace(*child))
            setBackgroundColour(*child, buttonFace);
    }
}

}  // namespace forms
