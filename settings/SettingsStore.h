#pragma once

#include "SettingsKeys.h"

#include <QSettings>

#include <memory>

namespace settings {

// The per-user store of the program's remembered values: application "Holvane", section
// "Numorra". On Windows it is the registry area of per-user program settings, so values a
// user already has there are picked up; elsewhere an INI file "Holvane.ini" in the user's
// configuration folder. Every write reaches the disk before it returns, so a program that
// is killed loses nothing; a store that cannot be written or read is never an error the
// user sees, and unreadable values read as their defaults.
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
    std::unique_ptr<QSettings> settings_;
};

}  // namespace settings
