#pragma once

#include <QCursor>
#include <QString>

namespace forms {

// Loads a Windows cursor file (.cur) as a cursor, with the hotspot the file names.
// Throws core::RuntimeFailure("Invalid picture") when the file cannot be read as an image or is
// larger than 1 MB, "Path/File access error" when it is not a regular file (a pipe, a
// device), which is never opened, and "File not found" when it cannot be opened.
QCursor loadCursorFile(const QString& path);

}  // namespace forms
