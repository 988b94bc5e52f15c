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

}  // namespace

QString productName() { return QStringLiteral("Numorra"); }

QString deriveAppTitle(const QString& name)
{
    QString title = name;
    for (qsizetype space = title.lastIndexOf(u' '); space >= 0; space = title.lastIndexOf(u' ')) {
        title.truncate(space);
        if (title.size() <= kMaxTitleLength)
            break;
    }
    return title.left(kMaxTitleLength);
}

void SetAppTitle(const QString& name) { currentTitle() = deriveAppTitle(name); }

QString appTitle() { return currentTitle(); }

void showMessage(const QString& text) { platform::msgBox(text, appTitle()); }

}  // namespace report
