#pragma once

#include <QPoint>
#include <QStringList>

namespace forms {
class ResultsList;
}  // namespace forms

class QWidget;

namespace testing {

// The item texts of a results list, top to bottom.
QStringList rowsOf(const forms::ResultsList& list);

// Moves the mouse over a widget, at a point of its own (its centre by default), as the
// window system reports it: a move with no button held.
void moveMouseOver(QWidget* widget, QPoint at = QPoint(-1, -1));

// A double-click of the left button on a widget of a shown window, at a point of its own
// (its centre by default), as the window system sends it: press, release, press,
// double-click, release, through the window, with the double-click made by Qt itself.
void doubleClick(QWidget* widget, QPoint at = QPoint(-1, -1));

// Queues the second half of a double-click on a widget (press, double-click, release) in
// the event queue, where input that arrives while a command works waits: it is delivered
// only when the program next lets events run.
void queueSecondClick(QWidget* widget);

}  // namespace testing
