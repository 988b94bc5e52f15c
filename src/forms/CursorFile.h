#pragma once

#include <QCursor>
#include <QString>

namespace forms {

// Loads a .cur file with its hotspot. Throws core::RuntimeFailure "Invalid picture" (no image,
// over 1 MB), "Path/File access error" (not a regular file), or "File not found".
QCursor loadCursorFile(const QString& path);

}  // namespace forms
