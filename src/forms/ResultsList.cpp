#include "ResultsList.h"

#include "BackgroundJob.h"
#include "RuntimeFailure.h"
#include "Twips.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QStyledItemDelegate>

#include <algorithm>
#include <new>
#include <utility>

namespace forms {

namespace {

// Space above and below the text of a row, in pixels.
constexpr int kRowPadding = 4;

// The start of `text` at least 1.5 times `width` pixels wide, or the whole: it elides as the
// whole does, the extra half keeping the cut clear of the shown characters' shaping. Cuts
// double from twice the width in average characters, costing about as much as the shown part.
QString shownStart(const QString& text, const QFontMetrics& metrics, int width)
{
    const qsizetype firstCut = 2 * qsizetype(width) / std::max(1, metrics.averageCharWidth()) + 1;
    for (qsizetype length = firstCut; length < text.size(); length *= 2) {
        if (text.at(length - 1).isHighSurrogate())  // not inside a character
            ++length;
        // Measured as a text of its own: the text engine shapes the whole of the text it
        // is given, however little of it is measured.
        QString start = text.first(length);
        if (metrics.horizontalAdvance(start) > width + width / 2)
            return start;
    }
    return text;
}

// Draws each cell as the style does, from only the start of its text the cell can show:
// the style lays out the whole text it is given before eliding it.
class ShownStartDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        cell.text = shownStart(cell.text, cell.fontMetrics, cell.rect.width());
        QStyle* style = cell.widget ? cell.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);
    }
};

// The colour of a frame's line as the style draws it at one pixel a pixel.
QColor frameLineColor(const QFrame& frame)
{
    QImage sample(8, 8, QImage::Format_ARGB32_Premultiplied);
    sample.fill(Qt::transparent);
    QPainter painter(&sample);
    QStyleOptionFrame option;
    option.initFrom(&frame);
    option.rect = sample.rect();
    option.lineWidth = frame.lineWidth();
    frame.style()->drawPrimitive(QStyle::PE_Frame, &option, &painter, &frame);
    return sample.pixelColor(0, sample.height() / 2);
}

}  // namespace

// The list's frame drawn again above its header and rows, as whole-pixel strips on its
// inner edge: at scales such as 125 % the style's line, centred on the edge, loses its
// outer half, and the header's and rows' edges, rounded out to whole pixels, cover the rest.
class FrameAbove : public QWidget {
public:
    explicit FrameAbove(QFrame& list) : QWidget(&list), list_(list)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    void fitToList()
    {
        const int line = list_.frameWidth();
        setGeometry(list_.rect());
        setMask(QRegion(rect()) - QRegion(rect().adjusted(line, line, -line, -line)));
        raise();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), frameLineColor(list_));
    }

private:
    QFrame& list_;
};

ResultsList::ResultsList(QWidget* parent, results_list::DuplicateIndex index)
    : QTableView(parent), model_(new results_list::ResultsModel(index, this))
{
    setModel(model_);
    setItemDelegate(new ShownStartDelegate(this));
    setToolTip(
        QStringLiteral("Double-click item to remove it. Move | line to right and out of "
                       "window to reveal full names."));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // Tab moves the focus on to the next control, as in any list box.
    setTabKeyNavigation(false);

    // The view paints the white under its frame, not the viewport: at scales such as 125 % the
    // viewport's edges, rounded out to whole pixels, cover the frame's right and bottom line.
    viewport()->setAutoFillBackground(false);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    frameAbove_ = new FrameAbove(*this);

    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fitRowHeightToFont();

    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
}

// One fixed height for all rows, so laying out a million rows never measures one.
void ResultsList::fitRowHeightToFont()
{
    const int height = fontMetrics().height() + kRowPadding;
    verticalHeader()->setMinimumSectionSize(height);
    verticalHeader()->setDefaultSectionSize(height);
}

void ResultsList::addColumn(const QString& header) { model_->addColumn(header); }

void ResultsList::setColumnWidthTwips(int column, int twips)
{
    const int width = pixels(twips);
    setColumnHidden(column - 1, width <= 0);
    if (width > 0)
        setColumnWidth(column - 1, width);
}

int ResultsList::columnCount() const { return model_->columnCount(); }

QString ResultsList::columnHeader(int column) const
{
    if (column < 1 || column > columnCount())
        throw core::RuntimeFailure(QStringLiteral("Index out of bounds"));
    return model_->headerData(column - 1, Qt::Horizontal).toString();
}

int ResultsList::rowCount() const { return int(model_->totalRowCount()); }

qint64 ResultsList::textBytes() const { return model_->textBytes(); }

void ResultsList::prepareRowAccess(int row) const
{
    if (row < 1 || row > rowCount())
        throw core::RuntimeFailure(QStringLiteral("Index out of bounds"));
    model_->mergePending();
}

QString ResultsList::itemText(int row) const { return subItemText(row, 0); }

QString ResultsList::subItemText(int row, int k) const
{
    prepareRowAccess(row);
    return model_->text(row - 1, k);
}

void ResultsList::append(const QString& itemText, const QString& subItem1)
{
    model_->appendRow(itemText, subItem1);
}

void ResultsList::appendItems(const results_list::ListSnapshot& holder, results_list::RowIds rows)
{
    model_->appendItems(holder, std::move(rows));
}

void ResultsList::removeAt(int row)
{
    prepareRowAccess(row);
    model_->removeRowAt(row - 1);
}

void ResultsList::clear() { model_->clearRows(); }

int ResultsList::selectedRow() const
{
    model_->mergePending();
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? 0 : selected.first().row() + 1;
}

void ResultsList::removeSelectedRow()
{
    if (rowCount() == 0)
        return;
    const int row = selectedRow();
    if (row > 0)
        removeAt(row);
}

void ResultsList::setSortKey(int key) { model_->setSortColumn(key); }

void ResultsList::setSorted(bool sorted) { model_->setSorted(sorted); }

void ResultsList::sortWhileYielding()
{
    if (model_->isSorted())
        return;
    model_->mergePending();
    model_->setSortedAs(platform::workedOutBeside([this] { return model_->sortedIds(); }));
    layOutWhileYielding();
}

void ResultsList::layOutWhileYielding()
{
    if (!model_->worthLayingOut())
        return;
    model_->mergePending();
    try {
        model_->takeLayout(
            platform::workedOutBeside([this] { return model_->laidOutInListOrder(); }));
    } catch (const std::bad_alloc&) {
        // Only a matter of speed: without the memory for it, the list stays as it lies.
    }
}

bool ResultsList::containsItemText(const QString& text) const
{
    return model_->containsItemText(text);
}

results_list::ListSnapshot ResultsList::snapshot() const { return model_->snapshot(); }

results_list::ResultsModel& ResultsList::model() const { return *model_; }

// Double-clicks over rows or the empty area below them arrive here from the viewport.
void ResultsList::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT DblClick();
}

void ResultsList::keyPressEvent(QKeyEvent* event)
{
    Q_EMIT KeyDown(event->key(), event->modifiers());
    QTableView::keyPressEvent(event);
}

// Home and End go to the first and last row, as in a list, rather than along the columns.
QModelIndex ResultsList::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    if (action == MoveHome || action == MoveEnd)
        modifiers |= Qt::ControlModifier;
    return QTableView::moveCursor(action, modifiers);
}

// A click on the empty area below the rows keeps the selection: the double-click it may
// begin removes the selected row.
QItemSelectionModel::SelectionFlags ResultsList::selectionCommand(const QModelIndex& index,
                                                                  const QEvent* event) const
{
    if (!index.isValid() && event && event->isPointerEvent())
        return QItemSelectionModel::NoUpdate;
    return QTableView::selectionCommand(index, event);
}

void ResultsList::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    frameAbove_->fitToList();
}

void ResultsList::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        fitRowHeightToFont();
    QTableView::changeEvent(event);
}

}  // namespace forms
