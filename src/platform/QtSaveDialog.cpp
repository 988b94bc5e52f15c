#include "QtSaveDialog.h"

#include "DialogFilter.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QHash>
#include <QPixmapCache>
#include <QStringList>

#include <memory>

namespace platform {

namespace {

// Qt's form of the filter list: "Text Files (*.txt)", "All Files (*.*)".
QStringList qtFiltersFromPairs(const QString& pairs)
{
    QStringList descriptions;
    for (const DialogFilter& filter : dialogFilters(pairs))
        descriptions << filter.description;
    return descriptions;
}

// The same icon object for every folder and every file, where Qt's provider makes a new one
// per file shown: each new icon leaves a key in Qt's pixmap cache for good.
class LastingIcons : public QFileIconProvider {
public:
    QIcon icon(IconType type) const override
    {
        auto known = icons_.find(type);
        if (known == icons_.end())
            known = icons_.insert(type, QFileIconProvider::icon(type));
        return *known;
    }
    QIcon icon(const QFileInfo& info) const override
    {
        return icon(info.isRoot() ? Drive : info.isDir() ? Folder : File);
    }

private:
    mutable QHash<int, QIcon> icons_;
};

const QString kDialogName = QStringLiteral("numorraSaveDialog");

std::unique_ptr<QFileDialog> newSaveDialog(QWidget* parent)
{
    static LastingIcons icons;
    auto dialog = std::make_unique<QFileDialog>(parent);
    dialog->setObjectName(kDialogName);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setIconProvider(&icons);
    return dialog;
}

// The active window, or the window of a dialog of ours that has closed but is still taken
// for the active one, until the system says where the focus went.
QWidget* askingWindow()
{
    QWidget* const active = QApplication::activeWindow();
    return active && active->objectName() == kDialogName ? active->parentWidget() : active;
}

QFileDialog* keptDialogOf(QWidget* window)
{
    auto* kept = window->findChild<QFileDialog*>(kDialogName, Qt::FindDirectChildrenOnly);
    return kept ? kept : newSaveDialog(window).release();
}

}  // namespace

// One dialog per window, kept as its child and shown again at each save: a new dialog draws
// all its icons anew, and Qt 6.4's pixmap cache keeps the key of every icon it has drawn,
// a few KB a dialog that no clearing gives back. Without a window, a dialog of its own.
QString QtSaveDialog::askSaveFileName(const QString& title, const QString& filter)
{
    QWidget* const window = askingWindow();
    const std::unique_ptr<QFileDialog> own = window ? nullptr : newSaveDialog(nullptr);
    QFileDialog* const dialog = window ? keptDialogOf(window) : own.get();
    dialog->setWindowTitle(title);
    dialog->setNameFilters(qtFiltersFromPairs(filter));
    dialog->selectFile(QString());
    const bool chosen = dialog->exec() == QDialog::Accepted;
    // The drawn pixmaps themselves are dropped: the windows draw theirs again when needed.
    QPixmapCache::clear();
    return chosen ? dialog->selectedFiles().value(0) : QString();
}

}  // namespace platform
