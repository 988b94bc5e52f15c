#include "ExportCommands.h"

#include "AppTitle.h"
#include "ClipboardExport.h"
#include "ErrorTrap.h"
#include "ExportWindow.h"
#include "FileExists.h"
#include "ListSnapshot.h"
#include "MousePointer.h"
#include "ResultsList.h"
#include "RowYield.h"
#include "Services.h"
#include "TextFileExport.h"
#include "TextFileWriter.h"

#include <functional>

namespace exporting {

namespace {

using ListWriter =
    std::function<void(const results_list::ListSnapshot& list, const QString& fileName)>;

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
            answer = platform::msgBox(
                QStringLiteral("Are you sure you wish to overwrite ") + name + QStringLiteral(" ?"),
                report::appTitle(), platform::MsgButtons::YesNo);
        });
    }
    if (trap.test(120, [&] { return answer != platform::MsgAnswer::Yes; }))
        return QString();
    return name;
}

// The course both save commands share: the file, the hourglass (line 122), the list
// written as it stands when writing starts (124; any failure of the writing is reported
// there, once), the default pointer again (at `pointerLine`). True when the file was
// written.
bool saveList(report::ErrorTrap& trap, ExportWindow& window, int pointerLine,
              const ListWriter& write)
{
    const QString name = askFileToWrite(trap);
    if (name.isEmpty())
        return false;
    trap(122, [&] { window.setMousePointer(forms::kHourglassPointer); });
    bool saved = false;
    trap(124, [&] {
        write(window.resultsList().snapshot().inListOrder(platform::yieldEvents), name);
        saved = true;
    });
    trap(pointerLine, [&] { window.setMousePointer(forms::kDefaultPointer); });
    return saved;
}

}  // namespace

void saveMainWindowList(ExportWindow& window, forms::ProgressBar& progressBar)
{
    report::ErrorTrap trap(QStringLiteral("Form1"), QStringLiteral("PushButton6_Click"));
    const bool saved = saveList(
        trap, window, 126, [&](const results_list::ListSnapshot& list, const QString& fileName) {
            SaveListViewToTextFile(list, fileName, &progressBar);
        });
    if (saved)
        trap.say(128, QStringLiteral("Done."));
}

void saveSearchWindowList(ExportWindow& window)
{
    report::ErrorTrap trap(QStringLiteral("Form2"), QStringLiteral("PushButton4_Click"));
    saveList(trap, window, 136, writeItemTexts);
}

void copyWindowList(const QString& module, const QString& procedure, const forms::ResultsList& list)
{
    report::ErrorTrap trap(module, procedure);
    trap(100, [&] { CopyListViewToClipboardTab(list, true); });
    trap.say(
        102,
        QStringLiteral("Results have been copied to the clipboard.") + QStringLiteral("\r\r")
            + QStringLiteral("Click a text area where you normally type and press Ctrl+V to paste "
                             "the clipboard."));
}

}  // namespace exporting
