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

}  // namespace testing
