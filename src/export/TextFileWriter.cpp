#include "TextFileWriter.h"

#include "RuntimeFailure.h"

#include <QFileInfo>

#include <cerrno>

#if defined(Q_OS_LINUX)
#include <fcntl.h>
#endif

namespace exporting {

namespace {

constexpr std::size_t kBufferBytes = 1 << 20;

// Whether texts go out as they are: Qt takes the system code page as UTF-8 on Linux and
// macOS, and on Windows with ANSI code page 65001. Probed with characters only UTF-8 encodes.
bool systemCodePageIsUtf8()
{
    static const bool utf8 = [] {
        const QString probe = QStringLiteral(u"\u00e9\u4e2d\U0001F600");
        return QByteArray(QStringEncoder(QStringConverter::System).encode(probe)) == probe.toUtf8();
    }();
    return utf8;
}

// The error report's words for a failure: from errno where set, else from Qt's error class.
QString failureDescription(int systemError, QFileDevice::FileError error)
{
    switch (systemError) {
        case ENOENT:
        case ENOTDIR:
            return QStringLiteral("Path not found");
        case EACCES:
        case EPERM:
        case EROFS:
            return QStringLiteral("Permission denied");
        case ENOSPC:
        case EFBIG:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return QStringLiteral("Disk full");
        default:
            break;
    }
    if (error == QFileDevice::ResourceError)
        return QStringLiteral("Disk full");
    if (error == QFileDevice::PermissionsError)
        return QStringLiteral("Permission denied");
    return QStringLiteral("Path/File access error");
}

// A hint (Linux only) to start writing the data to disk now, while the next buffer fills,
// so that the commit's sync waits only for the rest.
void startWriteBack([[maybe_unused]] int handle)
{
#if defined(Q_OS_LINUX)
    sync_file_range(handle, 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
}

// Replacing a folder, device, pipe or socket (or a link to one) would destroy it, and
// /dev/full would seem written. A link to a regular file is followed and stays a link.
void refuseIrregularTarget(const QString& fileName)
{
    const QFileInfo target(fileName);
    if (target.exists() && !target.isFile())
        throw core::RuntimeFailure(QStringLiteral("Path/File access error"));
}

}  // namespace

TextFileWriter::TextFileWriter(const QString& fileName)
    : buffer_(kBufferBytes),
      spare_(kBufferBytes),
      file_(fileName),
      systemEncoder_(QStringConverter::System)
{
    refuseIrregularTarget(fileName);
    // Where no file may be created beside it, a writable target is written in place.
    file_.setDirectWriteFallback(true);
    errno = 0;
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int systemError = errno;
        // A missing folder says "Path not found" whatever error the system reports.
        if (!QFileInfo(fileName).absoluteDir().exists())
            throw core::RuntimeFailure(QStringLiteral("Path not found"));
        throw core::RuntimeFailure(failureDescription(systemError, file_.error()));
    }
}

void TextFileWriter::waitForWrites() { writing_.wait(); }

void TextFileWriter::commit()
{
    handOn();
    writing_.start([this] {
        errno = 0;
        if (!file_.commit())
            throw core::RuntimeFailure(failureDescription(errno, file_.error()));
    });
    writing_.wait();
}

void TextFileWriter::makeRoom(qsizetype bytes)
{
    handOn();
    if (bytes > qsizetype(buffer_.size()))
        buffer_.resize(std::size_t(bytes));
}

// Hands the filled buffer to the thread once it has written the last one, then fills that.
void TextFileWriter::handOn()
{
    if (used_ == 0)
        return;
    writing_.wait();
    std::swap(buffer_, spare_);
    const QByteArrayView filled(spare_.data(), used_);
    used_ = 0;
    writing_.start([this, filled] {
        write(filled);
        startWriteBack(file_.handle());
    });
}

void TextFileWriter::write(QByteArrayView utf8)
{
    if (systemCodePageIsUtf8())
        writeBytes(utf8);
    else
        writeBytes(QByteArray(systemEncoder_.encode(QString::fromUtf8(utf8))));
}

// A short count means the write stopped part-way (a full disk, a size limit).
void TextFileWriter::writeBytes(QByteArrayView bytes)
{
    errno = 0;
    if (file_.write(bytes.data(), bytes.size()) != bytes.size())
        throw core::RuntimeFailure(failureDescription(errno, file_.error()));
}

}  // namespace exporting
