#include "WindowDriving.h"

#include "ResultsList.h"

#include <QApplication>
#include <QMouseEvent>

namespace testing {

QStringList rowsOf(const forms::ResultsList& list)
{
    QStringList rows;
    for (int r = 1; r <= list.rowCount(); ++r)
        rows << list.itemText(r);
    return rows;
}

void moveMouseOver(QWidget* widget, QPoint at)
{
    if (at == QPoint(-1, -1))
        at = widget->rect().center();
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

}  // namespace testing
