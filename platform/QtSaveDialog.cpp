#include "QtSaveDialog.h"

#include <QApplication>
#include <QFileDialog>
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

QString QtSaveDialog::askSaveFileName(const QString& title, const QString& filter)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, QString(),
                                        qtFilterFromPairs(filter), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

}  // namespace platform
