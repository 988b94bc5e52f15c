#pragma once

#include "SettingsKeys.h"

#include <QSettings>

#include <map>
#include <memory>

namespace settings {

// The per-user store of the program's remembered values: application "Holvane", section
// "Numorra". On Windows it is the registry area of per-user program settings, so values a
// user already has there are picked up; elsewhere an INI file "Holvane.ini" in the user's
// configuration folder. Every write reaches the disk before it returns, so a program that
// is killed loses nothing; a store that cannot be written or read is never an error the
// user sees, and unreadable values read as their defaults. The store never blocks: an INI
// file that is not a regular file is left alone (every value reads as its default), and
// when the file or its lock cannot be used within a short wait, the session's values are
// kept in memory only.
class SettingsStore {
public:
    SettingsStore();
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The stored text, or the key's default when it is absent. A key stored empty reads
    // as empty.
    QString read(Key key) const;
    void write(Key key, const QString& text);

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
    bool writable();

    QString file_;                         // empty for the registry
    std::unique_ptr<QSettings> settings_;  // null when the file is not a regular file
    std::map<Key, QString> unsaved_;       // values written while the store is unwritable
    bool unwritable_ = false;
};

}  // namespace settings
