#include "QtSaveDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QPixmapCache>
#include <QStringList>

namespace platform {

QString qtFilterFromPairs(const QString& pairs)
{
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList descriptions;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        descriptions << parts[i];
    return descriptions.join(QLatin1String(";;"));
}

namespace {

// Windows' own dialog, as Qt drives it, adds the first filter's extension to a name typed
// without one; Qt's dialog adds none, so on Windows the name comes back as typed only
// through Qt's dialog.
#ifdef Q_OS_WIN
constexpr QFileDialog::Options kOptions{QFileDialog::DontConfirmOverwrite
                                        | QFileDialog::DontUseNativeDialog};
#else
constexpr QFileDialog::Options kOptions{QFileDialog::DontConfirmOverwrite};
#endif

}  // namespace

QString QtSaveDialog::askSaveFileName(const QString& title, const QString& filter)
{
    const QString name =
        QFileDialog::getSaveFileName(QApplication::activeWindow(), title, QString(),
                                     qtFilterFromPairs(filter), nullptr, kOptions);
    // Qt keeps the pixmaps drawn for an icon in its pixmap cache under a key made from the
    // icon's own pixmap, and every dialog makes its icons anew, so what a closed dialog
    // left there is never found again: it would pile up, a few tens of KB a save, until
    // the cache's 10 MB limit. The windows' own pixmaps are drawn again when next needed.
    QPixmapCache::clear();
    return name;
}

}  // namespace platform
