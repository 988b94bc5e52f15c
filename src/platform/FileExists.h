#pragma once

#include <QString>

namespace platform {

// Whether a path names an existing file whose modification time can be read. Never
// fails: a missing file or folder, an empty or malformed path all give false.
bool FileExists(const QString& path);

}  // namespace platform
