#include "FileKinds.h"

#include <QDir>
#include <QFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace testing {

bool makeIrregularFile(const QString& kind, const QString& path)
{
    if (kind == QStringLiteral("folder"))
        return QDir().mkdir(path);
#ifdef Q_OS_UNIX
    const QByteArray local = QFile::encodeName(path);
    if (kind == QStringLiteral("pipe"))
        return mkfifo(local.constData(), 0600) == 0;
    if (kind == QStringLiteral("link to a pipe"))
        return makeIrregularFile(QStringLiteral("pipe"), path + QStringLiteral(".pipe"))
               && QFile::link(path + QStringLiteral(".pipe"), path);
    struct stat full {};
    if (kind == QStringLiteral("device"))
        return geteuid() == 0 && stat("/dev/full", &full) == 0
               && mknod(local.constData(), S_IFCHR | 0600, full.st_rdev) == 0;
#endif
    return false;
}

}  // namespace testing
