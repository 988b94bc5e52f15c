#pragma once

#include "SettingsKeys.h"

#include <QFutureWatcher>
#include <QScopedValueRollback>
#include <QThreadPool>

#include <functional>
#include <map>

namespace settings {

// Why values written in this session could not be stored.
enum class StoreTrouble {
    Folder,    // the settings folder or file cannot be written
    Disk,      // the disk that holds the settings folder is full
    Registry,  // Windows refused the registry write
};

// The per-user remembered values, application "Holvane", section "Numorra", kept by QSettings:
// the registry on Windows, else "Holvane/Numorra.ini" in the user's configuration folder. Reads
// are not cached; writes go at once to a writer beside the window, one at a time, and a failed
// one's values go with the next change. A store file that is not a regular file is never touched.
class SettingsStore {
public:
    SettingsStore();
    // Stores what is left.
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // This session's unstored value, else the stored text (empty stays empty), else the default.
    QString read(Key key);
    void write(Key key, const QString& text);
    // Stores what is left, waiting (the program ends); false if a value did not reach the store.
    bool writeWaiting();
    // Why writeWaiting left values unstored.
    StoreTrouble trouble() const;
    // The settings folder, or the registry key, for messages.
    QString place() const;

    // Called once, when the store gives up writing for the rest of the session.
    void whenUnwritable(std::function<void()> notice);
    bool unwritable() const { return unwritable_; }

    // While it lives, new stores use this folder instead of the configuration folder (tests).
    class Redirect {
    public:
        explicit Redirect(const QString& configFolder);

    private:
        QScopedValueRollback<QString> folder_;
    };

    enum class WriteResult {
        Written,
        LockTaken,  // another writer kept the lock for the whole wait
        Failed,     // the folder, the file, the disk or the registry refused
    };

private:
    void takeOverOlderFile();
    void startWrite();
    void finishWrite();
    void waitForWrites();

    QString file_;  // empty for the registry
    std::map<Key, QString> unstored_;
    std::map<Key, QString> inFlight_;
    QThreadPool writer_;
    QFutureWatcher<WriteResult> watcher_;
    int lockTakenTries_ = 0;
    bool unwritable_ = false;
    std::function<void()> notice_;
};

}  // namespace settings
