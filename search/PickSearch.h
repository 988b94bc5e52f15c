#pragma once

#include <QStringList>

#include <vector>

namespace results_list {
class ListSnapshot;
}  // namespace results_list

namespace search {

// The search text cut at every comma, exactly as typed: nothing is trimmed and empty terms
// are kept ("3, 7" gives "3" and " 7"; "3," gives "3" and "").
QStringList searchTerms(const QString& searchText);

// The rows whose item text contains a term, case-insensitively, as the snapshot's storage
// slots (ListSnapshot::slotItemUtf8()): each row once per term it contains, rows in list
// order. An empty term occurs in every text.
std::vector<quint32> findPicks(const results_list::ListSnapshot& rows, const QStringList& terms);

}  // namespace search
