#pragma once

class QWidget;

// With the skin file "x/o.cjs" in the program's folder, the window, its frames and check boxes
// take the system button-face colour; else they stay white.
void ApplyOptionalSkin(QWidget& window);
