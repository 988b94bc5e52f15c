#pragma once

#include "SettingsKeys.h"

#include <QFutureWatcher>
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

// The per-user store of the program's remembered values, application "Holvane", section
// "Numorra", kept by QSettings: on Windows in the registry's area of per-user program
// settings; elsewhere in the INI file "Holvane/Numorra.ini" of the user's configuration
// folder. A first start that finds only the older shared file "Holvane.ini" takes its
// values over once and never changes that file.
//
// Nothing is cached: a read asks the store, and sees the values this session wrote that
// are still on their way there. A write is stored at once by a writer beside the window,
// so typing never waits for the disk: one write is in flight at a time, and the next one
// takes the latest value of every key written meanwhile. A write that fails keeps its
// values, which go with the next change or when the program closes; only a lock that stays
// taken through several tries makes the store give up, and it then says so once. A store
// file that is not a regular file is never touched: every value reads as its default.
class SettingsStore {
public:
    SettingsStore();
    // Stores what is left.
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The value written in this session and not yet stored, else the stored text, else the
    // key's default. A key stored empty reads as empty.
    QString read(Key key);
    void write(Key key, const QString& text);
    // Waits for the write in flight, then stores what is left (the program is ending).
    // False when a value written in this session differs from what the store keeps.
    bool writeWaiting();
    // Why writeWaiting left values unstored.
    StoreTrouble trouble() const;
    // The settings folder, or the registry key, for messages.
    QString place() const;

    // Called once, when the store gives up writing for the rest of the session.
    void whenUnwritable(std::function<void()> notice);
    bool unwritable() const { return unwritable_; }

    // While a redirect lives, every store made keeps its file, and looks for the older
    // one, in the given folder instead of the user's configuration folder (tests).
    class Redirect {
    public:
        explicit Redirect(const QString& configFolder);
        ~Redirect();
        Redirect(const Redirect&) = delete;
        Redirect& operator=(const Redirect&) = delete;

    private:
        QString previous_;
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
    void countLockTaken();
    bool lost(Key key, const QString& text) const;

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
