#include "SearchLimit.h"

#include "RowCost.h"

#include <QLocale>

namespace search {

namespace {

// The search window's list's memory: each row at a result row's cost plus its text.
qint64 resultBytes(const SearchSize& size)
{
    return (size.heldRows + size.found.finds) * results_list::kResultRowBytes + size.heldTextBytes
           + size.found.textBytes;
}

}  // namespace

bool findsFit(const SearchSize& size) { return resultBytes(size) <= results_list::kMostListBytes; }

QString tooManyFindsMessage(const SearchSize& size)
{
    const QLocale english(QLocale::English);
    const QString held = size.heldRows > 0
                             ? QStringLiteral(", which with the %1 picks the list already holds is")
                                   .arg(english.toString(size.heldRows))
                             : QStringLiteral(",");
    return QStringLiteral(
               "This search finds %1 picks%2 more than the list can hold. Please search for "
               "fewer numbers at a time, or clear the list first.")
        .arg(english.toString(size.found.finds), held);
}

}  // namespace search
