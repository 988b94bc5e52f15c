#pragma once

#include <QIcon>

namespace forms {

// The program's icon, shown by both windows: a lottery ball, drawn rather than loaded
// so the program needs no image files.
QIcon applicationIcon();

}  // namespace forms
