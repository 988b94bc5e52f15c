#include "TextFileExport.h"

#include "ColumnWidths.h"
#include "ListSnapshot.h"
#include "ProgressBar.h"
#include "RowYield.h"
#include "TextFileWriter.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace exporting {

namespace {

// The progress bar while a file is written, when there is one. A save that fails leaves
// the bar where the failure found it; only a finished save puts it back to idle.
class FileProgress {
public:
    FileProgress(forms::ProgressBar* bar, const QString& fileName)
        : bar_(bar), writing_(QStringLiteral("Writing file: ") + ownFileName(fileName))
    {
    }

    // A step of the save: the window catches up before and after the bar moves.
    void show(int value)
    {
        platform::yieldEvents();
        set(value, writing_);
        platform::yieldEvents();
    }

    // Row `row` of `rows` is written; every thousandth row is also counted in the text.
    void rowWritten(qsizetype row, qsizetype rows)
    {
        if (!bar_)
            return;
        const double share = double(row + rows / 2000) / double(rows);
        bar_->setValue(int(std::nearbyint(std::min(100.0, share * 100))));
        if (row % 1000 == 0)
            bar_->setText(writing_ + QStringLiteral(" (") + QString::number(row)
                          + QLatin1Char(')'));
    }

    void done() { set(100, QStringLiteral("Done.")); }
    void idle() { set(0, QStringLiteral("Progress Bar")); }

private:
    void set(int value, const QString& text)
    {
        if (!bar_)
            return;
        bar_->setValue(value);
        bar_->setText(text);
    }

    forms::ProgressBar* bar_;
    QString writing_;
};

// A column's width is that of its longest text, header or cell.
std::vector<qsizetype> columnWidths(const results_list::ListSnapshot& list)
{
    std::vector<qsizetype> widths = cellWidths(list, list.columnCount());
    for (int c = 1; c <= list.columnCount(); ++c)
        widths[c - 1] = std::max(widths[c - 1], list.columnHeader(c).size());
    return widths;
}

// A text padded with spaces to its column's width, then a tab; a longer text is written
// whole.
void writeCell(TextFileWriter& file, QByteArrayView utf8, qsizetype length, qsizetype width)
{
    file.append(utf8);
    file.appendSpaces(width - length);
    file.append("\t");
}

void writeHeader(TextFileWriter& file, const results_list::ListSnapshot& list,
                 const std::vector<qsizetype>& widths)
{
    for (int c = 1; c <= list.columnCount(); ++c) {
        const QString header = list.columnHeader(c);
        writeCell(file, header.toUtf8(), header.size(), widths[c - 1]);
    }
    file.append("\r\n");
}

void writeRow(TextFileWriter& file, const results_list::ListSnapshot& list, qsizetype row,
              const std::vector<qsizetype>& widths)
{
    for (int c = 1; c <= list.columnCount(); ++c)
        writeCell(file, list.cellUtf8(row, c), list.cellLength(row, c), widths[c - 1]);
    file.append("\r\n");
}

}  // namespace

QString GetFileNameFromPath(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('\\')) + 1);
}

QString ownFileName(const QString& path)
{
#ifdef Q_OS_WIN
    return GetFileNameFromPath(QDir::toNativeSeparators(path));
#else
    return QFileInfo(path).fileName();
#endif
}

void SaveListViewToTextFile(const results_list::ListSnapshot& list, const QString& fileName,
                            forms::ProgressBar* progressBar)
{
    FileProgress progress(progressBar, fileName);
    progress.show(1);
    const std::vector<qsizetype> widths = columnWidths(list);
    progress.show(10);
    TextFileWriter file(fileName);
    writeHeader(file, list, widths);
    progress.show(20);
    const qsizetype rows = list.rowCount();
    for (qsizetype r = 1; r <= rows; ++r) {
        yieldBeforeRow(r);
        if (list.checked(r))
            writeRow(file, list, r, widths);
        progress.rowWritten(r, rows);
    }
    progress.done();
    file.commit();
    progress.idle();
}

void writeItemTexts(TextFileWriter& file, const results_list::ListSnapshot& list)
{
    for (qsizetype r = 1; r <= list.rowCount(); ++r) {
        yieldBeforeRow(r);
        file.append(list.cellUtf8(r, 1));
        file.append("\r\n");
    }
}

}  // namespace exporting
