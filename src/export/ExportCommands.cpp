#include "ExportCommands.h"

#include "AppTitle.h"
#include "BusyPointer.h"
#include "ClipboardExport.h"
#include "ErrorTrap.h"
#include "ExportLimit.h"
#include "ExportWindow.h"
#include "FileExists.h"
#include "ListSnapshot.h"
#include "ResultsList.h"
#include "Services.h"
#include "TextFileExport.h"
#include "TextFileWriter.h"

#include <QDir>

#include <functional>
#include <optional>

namespace exporting {

namespace {

// Writes the list to the file as statements of the command's trap; false when one failed.
using ListWriter = std::function<bool(report::ErrorTrap& trap, const QString& fileName)>;

// Lines 100 to 120 of both save commands: the file to write, or empty when the user
// cancels the dialog or will not replace an existing file.
QString askFileToWrite(report::ErrorTrap& trap)
{
    QString name;
    trap(108, [&] {
        name = platform::services().saveDialog->askSaveFileName(
            QStringLiteral("Save"),
            QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*|"));
    });
    if (trap.test(112, [&] { return name.isEmpty(); }))
        return QString();
    platform::MsgAnswer answer = platform::MsgAnswer::Yes;  // line 118
    if (trap.test(114, [&] { return platform::FileExists(name); })) {
        trap(116, [&] {
            // The path as the system writes it: Qt's dialog gives "/" on Windows too.
            answer = platform::msgBox(QStringLiteral("Are you sure you wish to overwrite ")
                                          + QDir::toNativeSeparators(name) + QStringLiteral(" ?"),
                                      report::appTitle(), platform::MsgButtons::YesNo);
        });
    }
    if (trap.test(120, [&] { return answer != platform::MsgAnswer::Yes; }))
        return QString();
    return name;
}

// Whether the list is small enough to copy; if not, the refusal is said once, at line 100.
bool listFitsTheClipboard(report::ErrorTrap& trap, const forms::ResultsList& list)
{
    bool fit = false;
    if (!trap(100, [&] { fit = copyFits(list); }))
        return false;
    if (!fit)
        trap.say(100, tooLargeToCopyMessage());
    return fit;
}

// Both saves' course: the file, the hourglass (line 122), the writing, the pointer put back
// (at `pointerLine`). True when the file was written.
bool saveList(report::ErrorTrap& trap, ExportWindow& window, int pointerLine,
              const ListWriter& write)
{
    const QString name = askFileToWrite(trap);
    if (name.isEmpty())
        return false;
    forms::BusyPointer busy(trap, window, 122);
    const bool saved = write(trap, name);
    busy.putBack(pointerLine);
    return saved;
}

// The search window's file: opened (124), its rows written (126 to 132), closed (134). A
// failed step ends the save, and an existing file stays as it was.
bool writeSearchWindowFile(report::ErrorTrap& trap, ExportWindow& window, const QString& fileName)
{
    std::optional<results_list::ListSnapshot> list;
    std::optional<TextFileWriter> file;
    return trap(124,
                [&] {
                    list.emplace(window.resultsList().snapshot());
                    file.emplace(fileName);
                })
           && trap(130, [&] { writeItemTexts(*file, *list); })
           && trap(134, [&] { file->commit(); });
}

}  // namespace

void saveMainWindowList(ExportWindow& window, forms::ProgressBar& progressBar)
{
    report::ErrorTrap trap(QStringLiteral("Form1"), QStringLiteral("PushButton6_Click"));
    const bool saved =
        saveList(trap, window, 126, [&](report::ErrorTrap& t, const QString& fileName) {
            return t(124, [&] {
                SaveListViewToTextFile(window.resultsList().snapshot(), fileName, &progressBar);
            });
        });
    if (saved)
        trap.say(128, QStringLiteral("Done."));
}

void saveSearchWindowList(ExportWindow& window)
{
    report::ErrorTrap trap(QStringLiteral("Form2"), QStringLiteral("PushButton4_Click"));
    saveList(trap, window, 136, [&](report::ErrorTrap& t, const QString& fileName) {
        return writeSearchWindowFile(t, window, fileName);
    });
}

void copyWindowList(const QString& module, const QString& procedure, const forms::ResultsList& list)
{
    report::ErrorTrap trap(module, procedure);
    if (!listFitsTheClipboard(trap, list))
        return;
    bool copied = true;
    trap(100, [&] { copied = CopyListViewToClipboardTab(list, true); });
    if (!copied)
        return;
    trap.say(102, QStringLiteral("Results have been copied to the clipboard.\r\rClick a text "
                                 "area where you normally type and press Ctrl+V to paste the "
                                 "clipboard."));
}

}  // namespace exporting
