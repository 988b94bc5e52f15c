#pragma once

#include <QString>

namespace platform {

// Whether a path names an existing file whose modification time can be read; never fails.
bool FileExists(const QString& path);

}  // namespace platform
