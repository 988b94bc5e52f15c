#pragma once

#include <QByteArrayView>
#include <QStringList>

#include <vector>

namespace results_list {
class ListSnapshot;
}  // namespace results_list

namespace search {

// The search text cut at every comma, exactly as typed: nothing is trimmed and empty terms
// are kept ("3, 7" gives "3" and " 7"; "3," gives "3" and "").
QStringList searchTerms(const QString& searchText);

// The item texts of the rows that contain a term, case-insensitively: each row once per
// term it contains, rows in list order and, within a row, terms in order. An empty term
// occurs in every text. The views point into the snapshot's texts.
std::vector<QByteArrayView> findPicks(const results_list::ListSnapshot& rows,
                                      const QStringList& terms);

}  // namespace search
