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
    // Qt keeps the pixmaps drawn for an icon in its pixmap cache under a key made from the
    // icon's own pixmap, and every dialog makes its icons anew, so what a closed dialog
    // left there is never found again: it would pile up, a few tens of KB a save, until
    // the cache's 10 MB limit. The windows' own pixmaps are drawn again when next needed.
    QPixmapCache::clear();
    return name;
}

}  // namespace platform
