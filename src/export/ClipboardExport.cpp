#include "ClipboardExport.h"

#include "AsciiText.h"
#include "ColumnWidths.h"
#include "ErrorTrap.h"
#include "ListSnapshot.h"
#include "ResultsList.h"
#include "RowYield.h"
#include "Services.h"

#include <algorithm>

namespace exporting {

namespace {

// Another program may hold the clipboard for a moment; a request is repeated, without a
// pause, up to this many times.
constexpr int kClipboardAttempts = 1000;

template <typename Request>
bool withinAttempts(Request&& request)
{
    for (int attempt = 0; attempt < kClipboardAttempts; ++attempt) {
        if (request())
            return true;
    }
    return false;
}

// The padding of the last column always ends a line, and trailing spaces are removed, so
// only the other columns' widths shape the text; the last column's is never measured.
std::vector<qsizetype> paddedWidths(const results_list::ListSnapshot& list, int columns)
{
    if (columns < 1)
        return {};
    std::vector<qsizetype> widths = cellWidths(list, columns - 1);
    widths.push_back(0);
    return widths;
}

// Room for the whole text, from the real lengths: every line holds the padded columns but
// the last, with their tabs, at most one character per byte of the last column's text
// (the storage's texts hold them all), and CR LF.
qsizetype textLengthBound(const results_list::ListSnapshot& list,
                          const std::vector<qsizetype>& widths)
{
    const qsizetype paddedColumns =
        widths.empty() ? 0
                       : std::accumulate(widths.begin(), widths.end() - 1, qsizetype(0))
                             + qsizetype(widths.size()) - 1;
    return list.textBytes() + list.rowCount() * (paddedColumns + 2);
}

// Writes a cell's text at `out` (ASCII widened as it is, other text decoded) and returns
// the end. `asciiList`: every text of the list is known to be ASCII.
char16_t* writeCell(char16_t* out, QByteArrayView utf8, bool asciiList)
{
    if (asciiList || core::isAscii(utf8))
        return std::transform(utf8.begin(), utf8.end(), out,
                              [](char c) { return char16_t(static_cast<unsigned char>(c)); });
    const QString decoded = QString::fromUtf8(utf8);
    return std::copy(decoded.utf16(), decoded.utf16() + decoded.size(), out);
}

// Writes one row's line at `out` and returns its end: each cell padded with spaces to its
// column's width and followed by a tab, the last tab and the trailing spaces removed, then
// CR LF. `lineStart` keeps the trailing spaces of an empty line from reaching back into
// the line before.
char16_t* writeLine(char16_t* out, const char16_t* lineStart,
                    const results_list::ListSnapshot& list, qsizetype row,
                    const std::vector<qsizetype>& widths)
{
    for (int c = 1; c <= int(widths.size()); ++c) {
        char16_t* const cellEnd = writeCell(out, list.cellUtf8(row, c), list.allAscii());
        out = std::fill_n(cellEnd, std::max<qsizetype>(0, widths[c - 1] - (cellEnd - out)), u' ');
        *out++ = u'\t';
    }
    if (!widths.empty())
        --out;  // the last tab
    while (out > lineStart && out[-1] == u' ')
        --out;
    *out++ = u'\r';
    *out++ = u'\n';
    return out;
}

// The list as the copy starts. With more than one column, measuring the widths is a pass
// over the rows before the one that writes them, so the texts are first laid out in list
// order and both passes read memory from start to end. The first column alone takes the
// writing pass only, which reads the item texts where they lie, asking for them a few
// rows ahead: laying them out first would only add a pass.
results_list::ListSnapshot rowsToCopy(const forms::ResultsList& source, int columns)
{
    results_list::ListSnapshot list = source.snapshot();
    if (columns > 1)
        return list.inListOrder(platform::yieldEvents, columns);
    return list;
}

// The text of the copy (lines 102 to 170), written straight into a string sized from the
// real lengths. `line` follows the step being done, so that a failure names it: the
// widths (110), the empty text (136), a row's yield (140) and its cells (148).
QString tabbedText(const forms::ResultsList& source, int columns, int& line)
{
    line = 110;
    const results_list::ListSnapshot list = rowsToCopy(source, columns);
    const std::vector<qsizetype> widths = paddedWidths(list, columns);
    line = 136;
    QString text(textLengthBound(list, widths), Qt::Uninitialized);
    auto* const begin = reinterpret_cast<char16_t*>(text.data());
    char16_t* out = begin;
    list.forEachRow(1, list.rowCount(), [&](qsizetype r) {
        line = 140;
        yieldBeforeRow(r);
        line = 148;
        if (list.checked(r))
            out = writeLine(out, out, list, r, widths);
    });
    text.truncate(out - begin);
    text.squeeze();
    return text;
}

}  // namespace

void ClearClipboard()
{
    withinAttempts([] { return platform::services().clipboard->clear(); });
}

bool SetClipboardText(const QString& text, int /*format*/)
{
    return withinAttempts([&] { return platform::services().clipboard->setText(text); });
}

bool CopyListViewToClipboardTab(const forms::ResultsList& list, bool firstColumnOnly)
{
    report::ErrorTrap trap(QStringLiteral("Main"), QStringLiteral("CopyListViewToClipboardTab"));
    if (trap.test(100, [&] { return list.rowCount() == 0; }))
        return true;
    // Building the text fails only for want of memory: that is reported once, at the step
    // it came to, and the clipboard keeps what it had.
    const int columns = firstColumnOnly ? 1 : list.columnCount();  // lines 104 to 108
    QString text;
    int line = 110;
    if (!trap.following(line, [&] { text = tabbedText(list, columns, line); }))
        return false;
    trap(172, [] { ClearClipboard(); });
    bool placed = false;
    trap(174, [&] { placed = SetClipboardText(text, 0); });
    return placed;
}

}  // namespace exporting
