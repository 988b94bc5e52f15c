#pragma once

#include <QString>

namespace testing {

// Puts something that is not a regular file at `path`: "folder", "pipe" (a named pipe),
// "device" (root only: a node of the same device as /dev/full) or "link to a pipe" (the
// pipe beside it, named `path` + ".pipe"). False when this system or user
// cannot make it. Everything made stays inside the folder of `path`.
bool makeIrregularFile(const QString& kind, const QString& path);

}  // namespace testing
