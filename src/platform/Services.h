#pragma once

#include <QString>

// The desktop services the handlers call, through a registry: Qt-backed ones from start-up,
// or a test's doubles put in place for the test's lifetime.
namespace platform {

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Exclamation };
enum class MsgAnswer { Ok, Yes, No };

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Shows a modal box and returns the button the user pressed.
    virtual MsgAnswer show(const QString& text, const QString& title, MsgButtons buttons,
                           MsgIcon icon) = 0;
};

class SaveDialogService {
public:
    virtual ~SaveDialogService() = default;
    // Asks for a file name to save to; an empty name means the user cancelled. The
    // dialog asks no overwrite question of its own and adds no extension.
    virtual QString askSaveFileName(const QString& title, const QString& filter) = 0;
};

class ClipboardService {
public:
    virtual ~ClipboardService() = default;
    // Each request may be refused (another program holds the clipboard); false then.
    virtual bool clear() = 0;
    virtual bool setText(const QString& text) = 0;
};

class EventPump {
public:
    virtual ~EventPump() = default;
    // Lets pending user-interface events run, then returns.
    virtual void yield() = 0;
    // Runs the events already arrived, whatever the time, dropping user input. Called before
    // a modal box shows: a request to close a window the box blocks would be dropped, so one
    // made while a command was busy must run first.
    virtual void catchUp() = 0;
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseedFromClock() = 0;
    // The next value, uniform in [0, 1).
    virtual double next() = 0;
};

struct Services {
    MessageBoxService* messageBox = nullptr;
    SaveDialogService* saveDialog = nullptr;
    ClipboardService* clipboard = nullptr;
    EventPump* pump = nullptr;
    RandomSource* random = nullptr;
    QString programFolder;
    bool programEnding = false;
};

// The registry every handler reaches the services through.
Services& services();

MsgAnswer msgBox(const QString& text, const QString& title, MsgButtons buttons = MsgButtons::Ok,
                 MsgIcon icon = MsgIcon::None);
void yieldEvents();
QString programFolder();

}  // namespace platform
