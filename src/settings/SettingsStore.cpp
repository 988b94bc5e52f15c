#include "SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QPromise>
#include <QSettings>
#include <QStorageInfo>
#include <QStringList>

#include <algorithm>
#include <memory>
#include <optional>

namespace settings {

namespace {

using WriteResult = SettingsStore::WriteResult;

const QString kApplication = QStringLiteral("Holvane");
const QString kSection = QStringLiteral("Numorra");
const QString kRegistryKey =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Holvane");

// A write's wait for the file's lock, and the writes in a row finding it taken before giving up.
constexpr int kLockWaitMs = 250;
constexpr int kLockTakenLimit = 3;
// Less free space than this, and a failed write is put down to a full disk.
constexpr qint64 kFullDiskBytes = 64 * 1024;

QString& redirectedFolder()
{
    static QString folder;
    return folder;
}

// The store's INI file, as an absolute path; empty for the Windows registry.
QString storeFile()
{
    const QString fileName = kApplication + QStringLiteral("/Numorra.ini");
    if (!redirectedFolder().isEmpty())
        return QDir(redirectedFolder()).absoluteFilePath(fileName);
#ifdef Q_OS_WIN
    return QString();
#else
    return QSettings(QSettings::IniFormat, QSettings::UserScope, kApplication,
                     QStringLiteral("Numorra"))
        .fileName();
#endif
}

// The file that earlier versions shared with other programs, beside the store's folder.
QString olderFile(const QString& file)
{
    QDir configFolder = QFileInfo(file).dir();
    configFolder.cdUp();
    return configFolder.filePath(kApplication + QStringLiteral(".ini"));
}

// Only an absent or regular file: a named pipe would block a read, and a folder, device or
// socket is not the store's to replace.
bool usableFile(const QString& path)
{
    const QFileInfo info(path);
    return !info.exists() || info.isFile();
}

std::unique_ptr<QSettings> openStore(const QString& file)
{
    if (file.isEmpty())
        return std::make_unique<QSettings>(kRegistryKey, QSettings::NativeFormat);
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

QString textOf(const QVariant& value)
{
    // A hand-edited INI value with unquoted commas reads back as a list.
    return value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1String(", "))
                                                    : value.toString();
}

QString sectionKey(Key key) { return kSection + QLatin1Char('/') + keyName(key); }

// The key's stored text; nothing when it is absent or the file is not to be read.
std::optional<QString> storedText(const QString& file, Key key)
{
    if (!file.isEmpty() && !usableFile(file))
        return std::nullopt;
    const QVariant value = openStore(file)->value(sectionKey(key));
    return value.isValid() ? std::optional(textOf(value)) : std::nullopt;
}

// QSettings waits for its lock for ever (a folder in its place, a hung writer), so a write
// first checks that it comes free within a short wait.
WriteResult lockComesFree(const QString& file)
{
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return WriteResult::Failed;
    QLockFile lock(file + QStringLiteral(".lock"));
    if (lock.tryLock(kLockWaitMs))
        return WriteResult::Written;
    return lock.error() == QLockFile::LockFailedError ? WriteResult::LockTaken
                                                      : WriteResult::Failed;
}

// Beside the window; QSettings merges the keys into the store, so other writers' keys stay.
WriteResult storeValues(const QString& file, const std::map<Key, QString>& values)
{
    if (!file.isEmpty()) {
        if (!usableFile(file))
            return WriteResult::Failed;
        if (const WriteResult lock = lockComesFree(file); lock != WriteResult::Written)
            return lock;
    }
    const std::unique_ptr<QSettings> store = openStore(file);
    for (const auto& [key, text] : values)
        store->setValue(sectionKey(key), text);
    store->sync();
    return store->status() == QSettings::NoError ? WriteResult::Written : WriteResult::Failed;
}

}  // namespace

SettingsStore::SettingsStore() : file_(storeFile())
{
    writer_.setMaxThreadCount(1);
    QObject::connect(&watcher_, &QFutureWatcherBase::finished, &watcher_,
                     [this] { finishWrite(); });
    takeOverOlderFile();
}

// The windows are going: a store that gives up now says nothing.
SettingsStore::~SettingsStore()
{
    notice_ = nullptr;
    writeWaiting();
}

// A first start that finds only the older shared "Holvane.ini" takes its values over once,
// leaving it as it is.
void SettingsStore::takeOverOlderFile()
{
    if (file_.isEmpty() || QFileInfo::exists(file_))
        return;
    const QString older = olderFile(file_);
    if (!QFileInfo::exists(older))
        return;
    for (int k = int(Key::Lower); k <= int(Key::SearchText); ++k) {
        if (const std::optional<QString> text = storedText(older, Key(k)))
            unstored_[Key(k)] = *text;
    }
    if (!unstored_.empty())
        startWrite();
}

QString SettingsStore::read(Key key)
{
    finishWrite();
    for (const std::map<Key, QString>* values : {&unstored_, &inFlight_}) {
        if (const auto value = values->find(key); value != values->end())
            return value->second;
    }
    return storedText(file_, key).value_or(defaultValue(key));
}

void SettingsStore::write(Key key, const QString& text)
{
    unstored_[key] = text;
    if (inFlight_.empty() && !unwritable_)
        startWrite();
}

void SettingsStore::startWrite()
{
    inFlight_ = std::exchange(unstored_, {});
    const auto promise = std::make_shared<QPromise<WriteResult>>();
    watcher_.setFuture(promise->future());
    promise->start();
    writer_.start([promise, file = file_, values = inFlight_] {
        promise->addResult(storeValues(file, values));
        promise->finish();
    });
}

// After a write that landed, the next takes what was written meanwhile; a write that
// failed keeps its values, under any newer ones, for the next change.
void SettingsStore::finishWrite()
{
    if (inFlight_.empty() || !watcher_.future().isFinished())
        return;
    const WriteResult result = watcher_.future().result();
    if (result == WriteResult::Written) {
        inFlight_.clear();
        lockTakenTries_ = 0;
        if (!unstored_.empty())
            startWrite();
        return;
    }
    unstored_.merge(inFlight_);
    inFlight_.clear();
    // A lock taken through several writes is not coming free: stop waiting, and say so once.
    if (result == WriteResult::LockTaken && ++lockTakenTries_ >= kLockTakenLimit) {
        unwritable_ = true;
        if (notice_)
            notice_();
    }
}

void SettingsStore::waitForWrites()
{
    while (!inFlight_.empty()) {
        watcher_.future().waitForFinished();
        finishWrite();
    }
}

bool SettingsStore::writeWaiting()
{
    waitForWrites();
    if (!unstored_.empty() && !unwritable_) {
        startWrite();
        waitForWrites();
    }
    // Nothing is lost when the next start would show every value left.
    return std::ranges::all_of(unstored_, [this](const auto& value) {
        return storedText(file_, value.first).value_or(defaultValue(value.first)) == value.second;
    });
}

StoreTrouble SettingsStore::trouble() const
{
    if (file_.isEmpty())
        return StoreTrouble::Registry;
    const QString folder = QFileInfo(file_).absolutePath();
    const bool full =
        QDir().mkpath(folder) && QStorageInfo(folder).bytesAvailable() < kFullDiskBytes;
    return full ? StoreTrouble::Disk : StoreTrouble::Folder;
}

QString SettingsStore::place() const
{
    return file_.isEmpty() ? kRegistryKey + QLatin1Char('\\') + kSection
                           : QDir::toNativeSeparators(QFileInfo(file_).absolutePath());
}

void SettingsStore::whenUnwritable(std::function<void()> notice) { notice_ = std::move(notice); }

SettingsStore::Redirect::Redirect(const QString& configFolder)
    : folder_(redirectedFolder(), configFolder)
{
}

}  // namespace settings
