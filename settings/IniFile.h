#pragma once

#include "IniSection.h"

#include <QString>

#include <vector>

namespace settings {

// One section of an INI file shared with other programs (other programs' sections live in
// the same file). Writing changes only the lines of the keys written: the file is read as
// bytes, those lines are replaced and the file is put back whole (QSaveFile), under the
// lock file QSettings uses ("<file>.lock"), so writers of the same file never overwrite
// each other's keys.
class IniFile {
public:
    IniFile(const QString& path, const QString& section);

    enum class WriteResult {
        Written,
        LockTaken,  // another writer kept the lock for the whole wait
        Failed,     // the folder, the file or the disk refused
    };
    WriteResult write(const std::vector<IniEntry>& entries) const;

private:
    QString path_;
    QString section_;
};

// A store file is used only when it is absent or a regular file (through a link or not):
// reading a named pipe would wait for ever, and a folder, device or socket is not the
// store's to replace.
bool usableFile(const QString& path);

}  // namespace settings
