#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSaveFile>
#include <QStringEncoder>

#include <cstring>
#include <memory>

namespace exporting {

// Writes a text file in the system's 8-bit code page from UTF-8 text. The text goes to a
// temporary file beside the target, streamed through a buffer of 1 MB, and replaces
// the target only at commit(): a writer dropped before then (a failure, the program
// ending) removes its temporary and leaves an existing target exactly as it was. An
// existing target that is not a regular file is refused before anything is written; a
// link to a regular file is followed. Where no temporary can be made beside a target the
// user may write, the target is written directly, and a failure then leaves it
// part-written.
// Creating, writing and committing throw RuntimeFailure with the error report's
// description ("Path not found", "Permission denied", "Disk full", "Path/File access
// error").
class TextFileWriter {
public:
    explicit TextFileWriter(const QString& fileName);

    // Text is appended in whole characters, and the buffer is written out only between
    // appends, so it never ends inside a character.
    void append(QByteArrayView utf8)
    {
        if (utf8.isEmpty())
            return;
        if (utf8.size() > kBufferBytes - used_)
            return appendBeyondBuffer(utf8);
        std::memcpy(buffer_.get() + used_, utf8.data(), std::size_t(utf8.size()));
        used_ += utf8.size();
    }
    void appendSpaces(qsizetype count)
    {
        if (count <= 0)
            return;
        if (count > kBufferBytes - used_)
            return appendBeyondBuffer(QByteArray(count, ' '));
        std::memset(buffer_.get() + used_, ' ', std::size_t(count));
        used_ += count;
    }
    // Writes what is left and puts the file in the target's place.
    void commit();

private:
    static constexpr qsizetype kBufferBytes = 1 << 20;

    void appendBeyondBuffer(QByteArrayView utf8);
    void flush();
    void write(QByteArrayView utf8);
    void writeBytes(QByteArrayView bytes);

    std::unique_ptr<char[]> buffer_;
    qsizetype used_ = 0;
    QSaveFile file_;
    QStringEncoder systemEncoder_;
};

}  // namespace exporting
