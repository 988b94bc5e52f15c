#include "FileExists.h"

#include <QDateTime>
#include <QFileInfo>

namespace platform {

bool FileExists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && info.lastModified().isValid();
}

}  // namespace platform
