#pragma once

class QGroupBox;

namespace forms {

// Fusion, Qt's default style, draws a frame's caption above its line and shades its inside,
// so the white check boxes stand out. Under Fusion a frame (not its controls) takes Qt's
// Windows style, which every Qt has: caption on the line, inside in its background.
void drawCaptionOnFrameLine(QGroupBox& frame);

}  // namespace forms
