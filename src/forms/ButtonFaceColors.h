#pragma once

class QColor;
class QWidget;

namespace forms {

// Fills a control's background with a colour, whichever palette role the control paints
// its background with (check boxes use the button role, frames the window role).
void setBackgroundColour(QWidget& widget, const QColor& colour);

// The plain system look: the window and every option button, check box, frame and label in
// it, frames' contents included, take the button-face colour; other controls keep theirs.
void ApplyButtonFaceColors(QWidget& window);

}  // namespace forms
