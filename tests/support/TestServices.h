#pragma once

#include "ClockRandom.h"
#include "Services.h"
#include "SettingsStore.h"

#include <QList>
#include <QScopedValueRollback>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <deque>
#include <functional>
#include <utility>

namespace testing {

// One message box as the program asked for it.
struct ShownBox {
    QString text;
    QString title;
    platform::MsgButtons buttons;
    platform::MsgIcon icon;
};

// Records every box and answers from a script (Ok, or Yes for a Yes/No box, when the
// script is empty). An action can run while a box "shows", as a user would act then.
class RecordingMessageBox : public platform::MessageBoxService {
public:
    platform::MsgAnswer show(const QString& text, const QString& title,
                             platform::MsgButtons buttons, platform::MsgIcon icon) override;
    QList<ShownBox> boxes;
    std::deque<platform::MsgAnswer> answers;
    std::function<void(const ShownBox&)> onShow;
    QStringList texts() const;
};

// Returns scripted file names; an empty name is a cancelled dialog. Like the real modal
// dialog, it first drops the input queued for the windows it blocks.
class ScriptedSaveDialog : public platform::SaveDialogService {
public:
    QString askSaveFileName(const QString& title, const QString& filter) override;
    std::deque<QString> names;
    QStringList titles;
    QStringList filters;
};

// An in-memory clipboard that can be told to refuse its next requests.
class MemoryClipboard : public platform::ClipboardService {
public:
    bool clear() override;
    bool setText(const QString& text) override;
    QString text;
    int refusals = 0;
    int requests = 0;
};

// Counts yields and runs a scripted action at the first yield where its moment holds (a
// row count reached, a draw taken), so a test can act in the middle of a running command.
// Pending events are not pumped at a yield, only when a box is about to show (catchUp,
// which drops queued input as the real pump does), as the real pump would after a long
// busy stretch.
class ScriptedPump : public platform::EventPump {
public:
    void yield() override;
    void catchUp() override;
    // Actions run in the order given: each waits for the one before it.
    void when(std::function<bool()> moment, std::function<void()> action)
    {
        actions.push_back({std::move(moment), std::move(action)});
    }
    void at(std::int64_t n, std::function<void()> action)
    {
        when([this, n] { return count == n; }, std::move(action));
    }
    std::int64_t count = 0;
    std::deque<std::pair<std::function<bool()>, std::function<void()>>> actions;
};

// A reproducible random source: scripted values first, then a seeded sequence. Counts the
// values drawn.
class ScriptedRandom : public platform::RandomSource {
public:
    void reseedFromClock() override { ++reseeds; }
    double next() override;
    std::deque<double> values;
    platform::ClockRandom sequence;
    int reseeds = 0;
    std::int64_t draws = 0;
};

// All the doubles, installed for the lifetime of the object, with a temporary program
// folder and a settings store in a temporary configuration folder (settingsFolder).
// A real pump or random source, when given, is installed in place of its double (the
// benchmark runs the production ones).
class TestServices {
public:
    explicit TestServices(platform::EventPump* realPump = nullptr,
                          platform::RandomSource* realRandom = nullptr);
    RecordingMessageBox messageBox;
    ScriptedSaveDialog saveDialog;
    MemoryClipboard clipboard;
    ScriptedPump pump;
    ScriptedRandom random;
    QTemporaryDir programFolder;
    QTemporaryDir settingsFolder;
    QString settingsFile() const;

private:
    QScopedValueRollback<platform::Services> override_;
    settings::SettingsStore::Redirect settingsRedirect_;
};

}  // namespace testing
