#pragma once

#include "ListSnapshot.h"
#include "ResultsModel.h"

#include <QTableView>

namespace forms {

class FrameAbove;

// A results list in report view: headers, whole-row selection, no grid, no row numbers; rows
// and columns count from 1. Rows live in a packed model built for a million picks.
class ResultsList : public QTableView {
    Q_OBJECT
public:
    explicit ResultsList(QWidget* parent = nullptr,
                         results_list::DuplicateIndex index = results_list::DuplicateIndex::Kept);

    // Columns appear in the order added; a width of 0 hides a column.
    void addColumn(const QString& header);
    void setColumnWidthTwips(int column, int twips);
    int columnCount() const;
    QString columnHeader(int column) const;

    // Rows as the program sees them, including rows appended but not yet shown. A row
    // position outside 1..rowCount() throws core::RuntimeFailure("Index out of bounds").
    int rowCount() const;
    // A bound on the bytes of the rows' texts (UTF-8), known without a pass over them.
    qint64 textBytes() const;
    QString itemText(int row) const;
    // The text of column k + 1; empty when never set.
    QString subItemText(int row, int k) const;
    // Appends a row at the end, or at its sorted place while sorting is on.
    void append(const QString& itemText, const QString& subItem1 = QString());
    // Makes room for rows whose texts will take about `bytes`, so appends never move the rows.
    void reserveTextBytes(qint64 bytes) { model_->reserveTextBytes(bytes); }
    // As append() of the item texts of the snapshot's rows `rows` (from 1), in that order,
    // shared with the snapshot rather than copied where the list can.
    void appendItems(const results_list::ListSnapshot& holder, results_list::RowIds rows);
    // Later rows move up one place.
    void removeAt(int row);
    // All rows go; the columns stay.
    void clear();
    // The position of the selected row, 0 when none is selected.
    int selectedRow() const;
    void removeSelectedRow();

    // Sort key k sorts by column k + 1. While sorting is on the rows stand in ascending
    // text order of that column: existing rows at once, appended rows as they come.
    void setSortKey(int key);
    void setSorted(bool sorted);
    // The next two work on a thread while the event queue is yielded to, so a long list does
    // not freeze the window; only for a command whose guard keeps the list from changing.
    // As setSorted(true), then layOutWhileYielding().
    void sortWhileYielding();
    // Lays a long list's texts out in list order once enough rows stand out of storage order
    // (a sorted list's new rows), so that saving, copying and searching read memory in order.
    void layOutWhileYielding();

    // Whether some row's item text equals `text` exactly, from a hash index; only for a
    // list made with the duplicate index kept.
    bool containsItemText(const QString& text) const;

    // The whole list as it stands now, unaffected by later changes.
    results_list::ListSnapshot snapshot() const;

    results_list::ResultsModel& model() const;

Q_SIGNALS:
    // A double-click of the left button anywhere on the list, rows or empty area.
    void DblClick();
    // A key pressed while the list has the focus (Qt key code and modifiers).
    void KeyDown(int key, Qt::KeyboardModifiers modifiers);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    void fitRowHeightToFont();
    // Checks the row, then merges rows still waiting to be shown, so positions match the view.
    void prepareRowAccess(int row) const;

    results_list::ResultsModel* model_;
    FrameAbove* frameAbove_;
};

}  // namespace forms
