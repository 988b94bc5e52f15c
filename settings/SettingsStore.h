#pragma once

#include "IniFile.h"
#include "SettingsKeys.h"

#include <QElapsedTimer>
#include <QSettings>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <set>

namespace settings {

// The per-user store of the program's remembered values: application "Holvane", section
// "Numorra". On Windows it is the registry area of per-user program settings, so values a
// user already has there are picked up; elsewhere the section "[Numorra]" of the INI file
// "Holvane.ini" in the user's configuration folder, which other programs share: a write
// changes only the lines of the keys it writes.
//
// Typing never waits on the store: a written value is kept at once and reaches the store
// when the changes pause (and at the latest a second after the first unsaved change), or
// when the store is told to write or goes. A write that fails (the disk full, the lock
// taken for a moment) is tried again at the next change and at the end; only a lock that
// stays taken through several tries makes the store give up, and then it says so once. A
// store that cannot be read is never an error the user sees: unreadable values read as
// their defaults, and an INI file that is not a regular file is left alone (every value
// reads as its default and is kept in memory only).
class SettingsStore {
public:
    SettingsStore();
    // Writes what is waiting.
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The value written in this session, else the stored text, else the key's default. A
    // key stored empty reads as empty.
    QString read(Key key) const;
    void write(Key key, const QString& text);
    // Writes what is waiting now (the program is ending).
    void writeWaiting();

    // Called once, when the store gives up writing for the rest of the session.
    void whenUnwritable(std::function<void()> notice);
    bool unwritable() const { return unwritable_; }

    // While a redirect lives, every store made uses the given INI file instead of the
    // user's own store (tests).
    class Redirect {
    public:
        explicit Redirect(const QString& iniFile);
        ~Redirect();
        Redirect(const Redirect&) = delete;
        Redirect& operator=(const Redirect&) = delete;

    private:
        QString previous_;
    };

private:
    using WriteResult = IniFile::WriteResult;
    WriteResult writeOut();
    WriteResult writeToRegistry();
    void countLockTaken();

    std::unique_ptr<QSettings> registry_;  // Windows
    std::unique_ptr<IniFile> file_;        // elsewhere; null when the file is not a regular file
    std::map<Key, QString> values_;        // stored at the start or written since
    std::set<Key> waiting_;                // written but not yet stored
    QTimer pause_;
    QElapsedTimer firstWaiting_;
    int lockTakenTries_ = 0;
    bool unwritable_ = false;
    std::function<void()> notice_;
};

}  // namespace settings
