#include "TextFileWriter.h"

#include "RuntimeFailure.h"

#include <QFileInfo>

#include <cerrno>

namespace exporting {

namespace {

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
    : buffer_(std::make_unique_for_overwrite<char[]>(std::size_t(kBufferBytes))),
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

void TextFileWriter::commit()
{
    flush();
    errno = 0;
    if (!file_.commit())
        throw core::RuntimeFailure(failureDescription(errno, file_.error()));
}

// A text too long for the room left: what the buffer holds goes first, then the text, at
// once when it is longer than the whole buffer.
void TextFileWriter::appendBeyondBuffer(QByteArrayView utf8)
{
    flush();
    if (utf8.size() > kBufferBytes)
        write(utf8);
    else
        append(utf8);
}

void TextFileWriter::flush()
{
    write(QByteArrayView(buffer_.get(), used_));
    used_ = 0;
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
