#pragma once

class QWidget;

// When the skin file "o.cjs" stands in the subfolder "x" of the program's folder, the
// window, its frames and its check boxes take the system button-face colour; without it
// the window keeps its white design.
void ApplyOptionalSkin(QWidget& window);
