#pragma once

class QColor;
class QWidget;

namespace forms {

// Fills a control's background with a colour, whichever palette role the control paints
// its background with (check boxes use the button role, frames the window role).
void setBackgroundColour(QWidget& widget, const QColor& colour);

// Gives a window the plain system look: the window and every option button, check box,
// frame and label in it, frames' contents included, take the system button-face colour.
// Other controls keep their colours.
void ApplyButtonFaceColors(QWidget& window);

}  // namespace forms
