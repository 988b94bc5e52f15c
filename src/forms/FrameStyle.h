#pragma once

class QGroupBox;

namespace forms {

// Fusion, Qt's default style where the desktop names none, draws a frame's caption above its
// line and shades the frame's inside, so the white check boxes in it stand out as boxes.
// Under Fusion a frame is drawn in Qt's Windows style instead, which every Qt has: the
// caption on the line and the inside in the frame's own background, as the windows are
// designed. The controls inside keep the application's style; other styles are left alone.
void drawCaptionOnFrameLine(QGroupBox& frame);

}  // namespace forms
