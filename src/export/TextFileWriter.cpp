#include "TextFileWriter.h"

#include "RuntimeFailure.h"

#include <QFileInfo>

#include <cerrno>

#if defined(Q_OS_LINUX)
#include <fcntl.h>
#endif

namespace exporting {

namespace {

// The size of each of the two buffers the text goes through.
constexpr std::size_t kBufferBytes = 1 << 20;

// Whether the system's 8-bit code page is UTF-8, so that the list's UTF-8 texts can be
// written as they are: always so on Linux and macOS, where Qt takes the system encoding
// to be UTF-8, and on Windows when the ANSI code page is 65001. Asked of the encoder
// itself, with characters that no other code page encodes the same way.
bool systemCodePageIsUtf8()
{
    static const bool utf8 = [] {
        const QString probe = QStringLiteral(u"\u00e9\u4e2d\U0001F600");
        QStringEncoder encoder(QStringConverter::System);
        const QByteArray encoded = encoder(probe);
        return encoded == probe.toUtf8();
    }();
    return utf8;
}

// The error report's words for a failure, from the system's error code where it gives
// one (errno), else from Qt's error class.
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

// Asks the system to start writing the file's data to the disk now, without waiting for
// it, so that the commit's sync has only the rest to wait for: the disk works while the
// next buffer fills. Only a hint; where the system offers no such request, nothing.
void startWriteBack([[maybe_unused]] int handle)
{
#if defined(Q_OS_LINUX)
    sync_file_range(handle, 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
}

// A file cannot be created in a folder that does not exist (or is a file); said so on
// every system, whatever error code it reports.
bool folderExists(const QString& fileName)
{
    return QFileInfo(QFileInfo(fileName).absolutePath()).isDir();
}

// An existing target that is not a regular file (a folder, a device, a pipe, a socket, or
// a link to one of them) is never replaced: putting the new file in its place would
// destroy it, and a device such as /dev/full would seem written. A link to a regular file
// is followed, so its target is written and the link stays a link.
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
    // In a folder where the user may not create files, a file the user may write is
    // written in place: not atomic, but the save the user asked for.
    file_.setDirectWriteFallback(true);
    errno = 0;
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int systemError = errno;
        if (!folderExists(fileName))
            throw core::RuntimeFailure(QStringLiteral("Path not found"));
        throw core::RuntimeFailure(failureDescription(systemError, file_.error()));
    }
}

void TextFileWriter::waitForWrites() { writing_.wait(); }

void TextFileWriter::commit()
{
    handOn();
    writing_.start([this] { commitFile(); });
    writing_.wait();
}

void TextFileWriter::commitFile()
{
    errno = 0;
    if (!file_.commit())
        throw core::RuntimeFailure(failureDescription(errno, file_.error()));
}

void TextFileWriter::makeRoom(qsizetype bytes)
{
    handOn();
    if (bytes > qsizetype(buffer_.size()))
        buffer_.resize(std::size_t(bytes));
}

// The filled buffer goes to the writing thread once it has written the one before, and
// that one, free again, is filled next.
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

// UTF-8 text in the system's code page.
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
