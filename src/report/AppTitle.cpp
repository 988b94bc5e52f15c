#include "AppTitle.h"

#include "Services.h"

namespace report {

namespace {

constexpr qsizetype kMaxTitleLength = 40;

QString& currentTitle()
{
    static QString title = productName();
    return title;
}

// Keeps the characters in front of the last space; false when there is no space.
bool cutBeforeLastSpace(QString& text)
{
    const qsizetype space = text.lastIndexOf(QLatin1Char(' '));
    if (space < 0)
        return false;
    text.truncate(space);
    return true;
}

}  // namespace

QString productName() { return QStringLiteral("Numorra"); }

QString deriveAppTitle(const QString& name)
{
    QString title = name;
    bool cut = cutBeforeLastSpace(title);
    while (cut && title.size() > kMaxTitleLength)
        cut = cutBeforeLastSpace(title);
    return title.left(kMaxTitleLength);
}

void SetAppTitle(const QString& name) { currentTitle() = deriveAppTitle(name); }

QString appTitle() { return currentTitle(); }

void showMessage(const QString& text) { platform::msgBox(text, appTitle()); }

}  // namespace report
