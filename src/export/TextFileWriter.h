#pragma once

#include "BackgroundJob.h"

#include <QByteArrayView>
#include <QSaveFile>
#include <QStringEncoder>

#include <algorithm>
#include <vector>

namespace exporting {

// Writes UTF-8 text as a file in the system's 8-bit code page, via a temporary beside the
// target that replaces it only at commit(): a writer dropped earlier leaves it as it was.
// Full 1 MB buffers and the commit go to a thread, so a slow disk never holds the window;
// waits yield. A target that is not a regular file is refused (links are followed); where no
// temporary can be made, a writable target is written directly, part-written on failure.
// Throws RuntimeFailure ("Path not found", "Permission denied", "Disk full", "Path/File
// access error"); a failure on the thread throws at the next wait.
class TextFileWriter {
public:
    explicit TextFileWriter(const QString& fileName);

    // Room for `bytes` more, for whole characters ended with wrote(): a buffer short of room
    // is handed on first, so none ends inside a character, and grows for a longer text.
    char* room(qsizetype bytes)
    {
        if (bytes > qsizetype(buffer_.size()) - used_)
            makeRoom(bytes);
        return buffer_.data() + used_;
    }
    void wrote(const char* end) { used_ = end - buffer_.data(); }
    void append(QByteArrayView utf8)
    {
        if (!utf8.isEmpty())
            wrote(std::copy(utf8.begin(), utf8.end(), room(utf8.size())));
    }
    // Waits, yielding, for the buffers handed on; throws when one could not be written.
    void waitForWrites();
    // Writes what is left and puts the file in the target's place.
    void commit();

private:
    void makeRoom(qsizetype bytes);
    void handOn();
    void write(QByteArrayView utf8);
    void writeBytes(QByteArrayView bytes);

    std::vector<char> buffer_;  // being filled
    std::vector<char> spare_;   // being written, or free for the next turn
    qsizetype used_ = 0;
    QSaveFile file_;
    QStringEncoder systemEncoder_;  // used by the writing thread only
    // Last, so that a write still running ends before what it writes goes away.
    platform::BackgroundJob writing_;
};

}  // namespace exporting
