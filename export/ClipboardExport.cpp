#include "ClipboardExport.h"

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

// Room for the whole text, from each row's own cells: a cell takes its length or its
// column's width, whichever is more, and its tab; the last cell its length, and the line
// its CR LF. Sizing every row at the longest row's width would ask for gigabytes when one
// row is long.
qsizetype textLengthBound(const results_list::ListSnapshot& list,
                          const std::vector<qsizetype>& widths)
{
    const auto columns = int(widths.size());
    qsizetype length = 0;
    for (qsizetype r = 1; r <= list.rowCount(); ++r) {
        yieldBeforeRow(r);
        for (int c = 1; c < columns; ++c)
            length += std::max(widths[c - 1], list.cellLength(r, c)) + 1;
        length += list.cellLength(r, columns) + 2;
    }
    return length;
}

// A cell of `length` characters: ASCII text (one byte per character) is widened as it
// is, other text decoded.
void appendCell(QString& text, QByteArrayView utf8, qsizetype length)
{
    if (length == utf8.size())
        text.append(QLatin1String(utf8.data(), utf8.size()));
    else
        text.append(QString::fromUtf8(utf8));
}

void appendSpaces(QString& text, qsizetype count)
{
    text.resize(text.size() + count, QLatin1Char(' '));
}

void chopTrailingSpaces(QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    text.truncate(end);
}

// The text of the copy (lines 102 to 170).
QString tabbedText(const results_list::ListSnapshot& list, int columns)
{
    const std::vector<qsizetype> widths = cellWidths(list, columns);
    QString text;
    text.reserve(textLengthBound(list, widths));
    for (qsizetype r = 1; r <= list.rowCount(); ++r) {
        yieldBeforeRow(r);
        if (!list.checked(r))
            continue;
        for (int c = 1; c <= columns; ++c) {
            const qsizetype length = list.cellLength(r, c);
            appendCell(text, list.cellUtf8(r, c), length);
            // The last cell's spaces and tab would only be cut again (lines 164 and 166):
            // padding every short row to one long row's width would take minutes.
            if (c == columns)
                break;
            appendSpaces(text, std::max<qsizetype>(0, widths[c - 1] - length));
            text.append(QLatin1Char('\t'));
        }
        chopTrailingSpaces(text);
        text.append(QLatin1String("\r\n"));
    }
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
    // Building the text can fail only for want of memory: that is reported once, under the
    // line that starts the text, and the clipboard keeps what it had.
    QString text;
    bool built = false;
    trap(136, [&] {
        const int columns = firstColumnOnly ? 1 : list.columnCount();
        text = tabbedText(list.snapshot().inListOrder(platform::yieldEvents, columns), columns);
        built = true;
    });
    if (!built)
        return false;
    trap(172, [] { ClearClipboard(); });
    trap(174, [&] { SetClipboardText(text, 0); });
    return true;
}

}  // namespace exporting
