#include "WindowDriving.h"

#include "ResultsList.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>
#include <QtTest>

namespace testing {

QStringList rowsOf(const forms::ResultsList& list)
{
    QStringList rows;
    for (int r = 1; r <= list.rowCount(); ++r)
        rows << list.itemText(r);
    return rows;
}

namespace {

QPoint pointOn(const QWidget* widget, QPoint at)
{
    return at == QPoint(-1, -1) ? widget->rect().center() : at;
}

}  // namespace

void moveMouseOver(QWidget* widget, QPoint at)
{
    at = pointOn(widget, at);
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void doubleClick(QWidget* widget, QPoint at)
{
    QWindow* window = widget->window()->windowHandle();
    QTest::mouseDClick(window, Qt::LeftButton, {},
                       window->mapFromGlobal(widget->mapToGlobal(pointOn(widget, at))));
}

void queueSecondClick(QWidget* widget)
{
    const QPoint at = pointOn(widget, QPoint(-1, -1));
    const QPoint global = widget->mapToGlobal(at);
    for (const auto& [type, buttons] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                        std::pair{QEvent::MouseButtonDblClick, Qt::LeftButton},
                                        std::pair{QEvent::MouseButtonRelease, Qt::NoButton}})
        QCoreApplication::postEvent(
            widget, new QMouseEvent(type, at, global, Qt::LeftButton, buttons, Qt::NoModifier));
}

}  // namespace testing
