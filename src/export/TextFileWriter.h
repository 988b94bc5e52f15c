#pragma once

#include "BackgroundJob.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QSaveFile>
#include <QStringEncoder>

#include <algorithm>
#include <vector>

namespace exporting {

// Writes a text file in the system's 8-bit code page from UTF-8 text. The text goes to a
// temporary file beside the target, streamed through buffers of 1 MB, and replaces the
// target only at commit(): a writer dropped before then (a failure, the program ending)
// removes its temporary and leaves an existing target exactly as it was. A full buffer
// is encoded and written on a thread of its own while the next one fills, and the
// commit (the data synced to the disk, the file put in place) runs there too, so that a
// slow disk never holds the window: whoever waits for them yields to the event queue. An
// existing target that is not a regular file is refused before anything is written; a
// link to a regular file is followed. Where no temporary can be made beside a target the
// user may write, the target is written directly, and a failure then leaves it
// part-written.
// Creating, writing and committing throw RuntimeFailure with the error report's
// description ("Path not found", "Permission denied", "Disk full", "Path/File access
// error"); a write that failed on its own thread throws at the next wait for it.
class TextFileWriter {
public:
    explicit TextFileWriter(const QString& fileName);

    // Room for `bytes` more at the end of the text, for a caller that writes whole
    // characters there and then says with wrote() where it stopped: the buffer is handed
    // on first when it lacks the room, so it never ends inside a character, and grows for
    // a text longer than itself.
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
    void appendSpaces(qsizetype count)
    {
        if (count > 0)
            wrote(std::fill_n(room(count), count, ' '));
    }
    // Returns once every full buffer handed on is written, yielding meanwhile; throws
    // when one of them could not be.
    void waitForWrites();
    // Writes what is left and puts the file in the target's place.
    void commit();

private:
    void makeRoom(qsizetype bytes);
    void handOn();
    void write(QByteArrayView utf8);
    void writeBytes(QByteArrayView bytes);
    void commitFile();

    std::vector<char> buffer_;  // being filled
    std::vector<char> spare_;   // being written, or free for the next turn
    qsizetype used_ = 0;
    QSaveFile file_;
    QStringEncoder systemEncoder_;  // used by the writing thread only
    // Last, so that a write still running ends before what it writes goes away.
    platform::BackgroundJob writing_;
};

}  // namespace exporting
