#pragma once

#include <QIcon>

namespace forms {

// The icon of both windows: a lottery ball, drawn so the program needs no image files.
QIcon applicationIcon();

}  // namespace forms
