#include "FileKinds.h"

#include <QDir>
#include <QFile>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#endif

namespace testing {

namespace {

#ifdef Q_OS_UNIX
bool makeSocket(const QByteArray& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return bound;
}

bool makeFullDevice(const QByteArray& path)
{
    struct stat full {};
    return geteuid() == 0 && stat("/dev/full", &full) == 0
           && mknod(path.constData(), S_IFCHR | 0600, full.st_rdev) == 0;
}
#endif

}  // namespace

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
    if (kind == QStringLiteral("socket"))
        return makeSocket(local);
    if (kind == QStringLiteral("device"))
        return makeFullDevice(local);
#endif
    return false;
}

}  // namespace testing
