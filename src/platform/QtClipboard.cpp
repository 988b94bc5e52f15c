#include "QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace platform {

namespace {

#ifdef Q_OS_WIN
// Whether another program holds the clipboard open now: Qt's Windows clipboard retries a
// refused request 100 ms apart and gives up silently, so asking first refuses at once.
bool heldByAnotherProgram()
{
    if (!OpenClipboard(nullptr))
        return true;
    CloseClipboard();
    return false;
}

// Qt keeps the text it placed only while the clipboard takes it: a refused request
// leaves the program without the clipboard.
bool placed(const QClipboard& clipboard) { return clipboard.ownsClipboard(); }
#else
bool heldByAnotherProgram() { return false; }

// Other systems' clipboards take every request.
bool placed(const QClipboard&) { return true; }
#endif

}  // namespace

bool QtClipboard::clear()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard || heldByAnotherProgram())
        return false;
    clipboard->clear();
    return true;
}

bool QtClipboard::setText(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard || heldByAnotherProgram())
        return false;
    clipboard->setText(text);
    return placed(*clipboard);
}

}  // namespace platform
