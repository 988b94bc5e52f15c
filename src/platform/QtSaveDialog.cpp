#include "QtSaveDialog.h"

#include "DialogFilter.h"

#include <QApplication>
#include <QFileDialog>
#include <QPixmapCache>
#include <QStringList>

namespace platform {

namespace {

// Qt's form of the filter list: "Text Files (*.txt);;All Files (*.*)".
QString qtFilterFromPairs(const QString& pairs)
{
    QStringList descriptions;
    for (const DialogFilter& filter : dialogFilters(pairs))
        descriptions << filter.description;
    return descriptions.join(QLatin1String(";;"));
}

}  // namespace

QString QtSaveDialog::askSaveFileName(const QString& title, const QString& filter)
{
    const QString name =
        QFileDialog::getSaveFileName(QApplication::activeWindow(), title, QString(),
                                     qtFilterFromPairs(filter), nullptr,
                                     QFileDialog::DontConfirmOverwrite);
    // Qt caches an icon's drawn pixmaps under a key from the icon's own pixmap, and every
    // dialog makes its icons anew, so a closed dialog's entries would pile up unused until
    // the cache's limit. The windows' own pixmaps are drawn again when next needed.
    QPixmapCache::clear();
    return name;
}

}  // namespace platform
