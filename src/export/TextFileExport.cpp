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
#include <numeric>

namespace exporting {

namespace {

// The progress bar of a save, when given; only a finished save puts it back to idle.
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

    // Every thousandth row is counted in the text too.
    void rowWritten(qsizetype row, qsizetype rows)
    {
        if (!bar_)
            return;
        bar_->setValue(valueAt(row, rows));
        if (row % 1000 == 0)
            bar_->setText(writing_ + QStringLiteral(" (") + QString::number(row)
                          + QLatin1Char(')'));
    }

    void done() { set(100, QStringLiteral("Done.")); }
    void idle() { set(0, QStringLiteral("Progress Bar")); }

private:
    static int valueAt(qsizetype row, qsizetype rows)
    {
        const double share = double(row + rows / 2000) / double(rows);
        return int(std::nearbyint(std::min(100.0, share * 100)));
    }

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

// Each header padded with spaces to its column's width, then a tab; a longer one goes whole.
void writeHeader(TextFileWriter& file, const results_list::ListSnapshot& list,
                 const std::vector<qsizetype>& widths)
{
    QString line;
    for (int c = 1; c <= list.columnCount(); ++c)
        line += list.columnHeader(c).leftJustified(widths[c - 1]) + QLatin1Char('\t');
    file.append((line + QStringLiteral("\r\n")).toUtf8());
}

// The bytes a line may take besides its cells' texts: the padding to the widths, the tabs
// and CR LF (a character is never shorter in UTF-8 than in UTF-16).
qsizetype lineFrame(const std::vector<qsizetype>& widths)
{
    return std::accumulate(widths.begin(), widths.end(), qsizetype(0)) + qsizetype(widths.size())
           + 2;
}

// A row's line, written into the file's buffer in one go; a text wider than its column whole.
void writeRow(TextFileWriter& file, const results_list::ListSnapshot& list, qsizetype row,
              const std::vector<qsizetype>& widths, qsizetype frame)
{
    const int columns = list.columnCount();
    qsizetype bytes = frame;
    for (int c = 1; c <= columns; ++c)
        bytes += list.cellUtf8(row, c).size();
    char* out = file.room(bytes);
    for (int c = 1; c <= columns; ++c) {
        const QByteArrayView text = list.cellUtf8(row, c);
        out = std::copy(text.begin(), text.end(), out);
        out =
            std::fill_n(out, std::max<qsizetype>(0, widths[c - 1] - list.cellLength(row, c)), ' ');
        *out++ = '\t';
    }
    *out++ = '\r';
    *out++ = '\n';
    file.wrote(out);
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
    const qsizetype frame = lineFrame(widths);
    const qsizetype rows = list.rowCount();
    for (qsizetype r = 1; r <= rows; ++r) {
        yieldBeforeRow(r);
        if (list.checked(r))
            writeRow(file, list, r, widths, frame);
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
        const QByteArrayView text = list.cellUtf8(r, 1);
        char* const out = std::copy(text.begin(), text.end(), file.room(text.size() + 2));
        file.wrote(std::copy_n("\r\n", 2, out));
    }
    file.waitForWrites();
}

}  // namespace exporting
