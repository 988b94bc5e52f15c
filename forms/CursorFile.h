#pragma once

#include <QCursor>
#include <QString>

namespace forms {

// Loads a Windows cursor file (.cur) as a cursor, with the hotspot the file names.
// Throws core::RuntimeFailure("Invalid picture") when the file cannot be read as an image.
QCursor loadCursorFile(const QString& path);

}  // namespace forms
