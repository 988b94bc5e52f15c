#include "IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

namespace settings {

namespace {

// How long a write waits for the lock. A lock that never comes free (a folder in its
// place, a writer that hangs) would otherwise hold the program for ever.
constexpr int kLockWaitMs = 250;

// The file's bytes, or nothing when it is absent (a link to nothing included); false when
// it cannot be read.
bool readBytes(const QString& path, QByteArray& bytes)
{
    if (!QFileInfo::exists(path))
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

bool writeWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

}  // namespace

bool usableFile(const QString& path)
{
    const QFileInfo info(path);
    return !info.exists() || info.isFile();
}

IniFile::IniFile(const QString& path, const QString& section) : path_(path), section_(section) {}

IniFile::WriteResult IniFile::write(const std::vector<IniEntry>& entries) const
{
    if (!usableFile(path_) || !QDir().mkpath(QFileInfo(path_).absolutePath()))
        return WriteResult::Failed;
    QLockFile lock(path_ + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs))
        return lock.error() == QLockFile::LockFailedError ? WriteResult::LockTaken
                                                          : WriteResult::Failed;
    QByteArray bytes;
    if (!readBytes(path_, bytes))
        return WriteResult::Failed;
    return writeWhole(path_, withSectionEntries(bytes, section_, entries)) ? WriteResult::Written
                                                                           : WriteResult::Failed;
}

}  // namespace settings
