#pragma once

class QWidget;

namespace platform {

// Gives a window the plain system look: the window and every option button, check box,
// frame and label in it, frames' contents included, take the system button-face colour.
// Other controls keep their colours.
void ApplyButtonFaceColors(QWidget& window);

}  // namespace platform
