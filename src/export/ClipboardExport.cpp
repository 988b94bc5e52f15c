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

// Another program may hold the clipboard for a moment: a request is retried without pause.
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

// The last column's padding would end the line and be trimmed, so its width is not measured.
std::vector<qsizetype> paddedWidths(const results_list::ListSnapshot& list, int columns)
{
    if (columns < 1)
        return {};
    std::vector<qsizetype> widths = cellWidths(list, columns - 1);
    widths.push_back(0);
    return widths;
}

// Room for the whole text: per line the padded columns but the last, their tabs, CR LF, and
// at most one character per byte of the last column's text.
qsizetype textLengthBound(const results_list::ListSnapshot& list,
                          const std::vector<qsizetype>& widths)
{
    const qsizetype paddedColumns =
        widths.empty() ? 0
                       : std::accumulate(widths.begin(), widths.end() - 1, qsizetype(0))
                             + qsizetype(widths.size()) - 1;
    return list.textBytes() + list.rowCount() * (paddedColumns + 2);
}

// Writes a cell's text at `out` and returns the end; `asciiList`: every list text is ASCII.
char16_t* writeCell(char16_t* out, QByteArrayView utf8, bool asciiList)
{
    if (asciiList || core::isAscii(utf8))
        return std::transform(utf8.begin(), utf8.end(), out,
                              [](char c) { return char16_t(static_cast<unsigned char>(c)); });
    const QString decoded = QString::fromUtf8(utf8);
    return std::copy(decoded.utf16(), decoded.utf16() + decoded.size(), out);
}

// Writes one row's line at `out` and returns its end. `lineStart` keeps the trimming of an
// empty line's spaces from reaching back into the line before.
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

// The list as the copy starts. Several columns take a widths pass before the writing one, so
// the texts are laid out in list order first; one column is read ahead where it lies.
results_list::ListSnapshot rowsToCopy(const forms::ResultsList& source, int columns)
{
    results_list::ListSnapshot list = source.snapshot();
    if (columns > 1)
        return list.inListOrder(platform::yieldEvents, columns);
    return list;
}

// The copy's text (lines 102 to 170). `line` follows the step, so that a failure names it:
// the widths (110), the empty text (136), a row's yield (140) and its cells (148).
QString tabbedText(const forms::ResultsList& source, int columns, int& line)
{
    line = 110;
    const results_list::ListSnapshot list = rowsToCopy(source, columns);
    const std::vector<qsizetype> widths = paddedWidths(list, columns);
    line = 136;
    QString text(textLengthBound(list, widths), Qt::Uninitialized);
    auto* const begin = reinterpret_cast<char16_t*>(text.data());
    char16_t* out = begin;
    for (qsizetype r = 1; r <= list.rowCount(); ++r) {
        line = 140;
        yieldBeforeRow(r);
        line = 148;
        if (list.checked(r))
            out = writeLine(out, out, list, r, widths);
    }
    text.truncate(out - begin);
    text.squeeze();
    return text;
}

// Empties the clipboard, retrying while another program holds it; gives up silently.
void ClearClipboard()
{
    withinAttempts([] { return platform::services().clipboard->clear(); });
}

// Places plain text on the clipboard, retrying; whether it was.
bool SetClipboardText(const QString& text)
{
    return withinAttempts([&] { return platform::services().clipboard->setText(text); });
}

}  // namespace

bool CopyListViewToClipboardTab(const forms::ResultsList& list, bool firstColumnOnly)
{
    report::ErrorTrap trap(QStringLiteral("Main"), QStringLiteral("CopyListViewToClipboardTab"));
    if (trap.test(100, [&] { return list.rowCount() == 0; }))
        return true;
    // Only want of memory fails the text: reported once, at its step; the clipboard is kept.
    const int columns = firstColumnOnly ? 1 : list.columnCount();  // lines 104 to 108
    QString text;
    int line = 110;
    if (!trap(line, [&] { text = tabbedText(list, columns, line); }))
        return false;
    trap(172, [] { ClearClipboard(); });
    bool placed = false;
    trap(174, [&] { placed = SetClipboardText(text); });
    return placed;
}

}  // namespace exporting
