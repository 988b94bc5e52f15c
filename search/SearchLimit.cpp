#include "SearchLimit.h"

#include "ListSnapshot.h"

#include <QLocale>

namespace search {

ListSize listSize(const results_list::ListSnapshot& list)
{
    return {list.rowCount(), list.itemTextBytes()};
}

qint64 mostFinds(const SearchSize& size) { return size.source.rows * size.terms; }

qint64 mostResultBytes(const SearchSize& size)
{
    const qint64 rows = size.heldRows + mostFinds(size);
    const double averageText =
        size.source.rows > 0 ? double(size.source.textBytes) / double(size.source.rows) : 0;
    return rows * kBytesPerResultRow + qint64(double(size.heldRows) * averageText)
           + size.source.textBytes * size.terms;
}

bool findsFit(const SearchSize& size) { return mostResultBytes(size) <= kMostResultBytes; }

QString tooManyFindsMessage(const SearchSize& size)
{
    const QLocale english(QLocale::English);
    const QString held = size.heldRows > 0
                             ? QStringLiteral(", which with the ") + english.toString(size.heldRows)
                                   + QStringLiteral(" picks the list already holds is")
                             : QStringLiteral(",");
    return QStringLiteral("This search could find up to ") + english.toString(mostFinds(size))
           + QStringLiteral(" picks") + held
           + QStringLiteral(
               " more than the list can hold. Please search for fewer numbers at a "
               "time, or clear the list first.");
}

}  // namespace search
