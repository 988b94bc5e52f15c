#include "WindowsSaveDialog.h"

#include "ArrivedEvents.h"
#include "DialogFilter.h"

#include <QApplication>
#include <QWidget>

#include <qt_windows.h>

#include <commdlg.h>

#include <string>
#include <vector>

namespace platform {

namespace {

// The longest path Windows takes, in characters, with its terminating null.
constexpr DWORD kPathCharacters = 32768;

// The filter list as the dialog takes it: description and pattern, each ended by a null,
// and one more null after the last pair.
std::wstring nullSeparated(const QList<DialogFilter>& filters)
{
    std::wstring list;
    for (const DialogFilter& filter : filters) {
        list += filter.description.toStdWString() + L'\0';
        list += filter.pattern.toStdWString() + L'\0';
    }
    return list + L'\0';
}

}  // namespace

QString WindowsSaveDialog::askSaveFileName(const QString& title, const QString& filter)
{
    // The dialog blocks its window from here on; input that reached the window before is
    // dropped, as Qt's own modal dialogs drop it, so that it cannot start a second command.
    runArrivedEventsDroppingInput();
    const std::wstring filters = nullSeparated(dialogFilters(filter));
    const std::wstring caption = title.toStdWString();
    std::vector<wchar_t> name(kPathCharacters, L'\0');
    QWidget* owner = QApplication::activeWindow();

    // No lpstrDefExt, start folder or filter index, as the class says.
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner ? reinterpret_cast<HWND>(owner->winId()) : nullptr;
    dialog.lpstrFilter = filters.c_str();
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = kPathCharacters;
    dialog.lpstrTitle = caption.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_LONGNAMES | OFN_HIDEREADONLY;
    if (!GetSaveFileNameW(&dialog))
        return QString();  // cancelled
    return QString::fromWCharArray(name.data());
}

}  // namespace platform
