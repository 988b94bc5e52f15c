#include "QtSaveDialog.h"

#include "DialogFilter.h"

#include <QApplication>
#include <QFileDialog>
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
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, QString(),
                                        qtFilterFromPairs(filter), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

}  // namespace platform
