#pragma once

#include "UninitializedVector.h"

#include <QStringList>

namespace results_list {
class ListSnapshot;
}  // namespace results_list

namespace search {

// The search text cut at every comma, exactly as typed: nothing is trimmed and empty terms
// are kept ("3, 7" gives "3" and " 7"; "3," gives "3" and "").
QStringList searchTerms(const QString& searchText);

// Storage slots of a snapshot's rows (ListSnapshot::slotItemUtf8()), in a buffer that is not
// zeroed when made: the search writes every place of it.
using Finds = core::UninitializedVector<quint32>;

// The rows whose item text contains a term, case-insensitively, as their slots: each row
// once per term it contains, rows in list order. An empty term occurs in every text.
Finds findPicks(const results_list::ListSnapshot& rows, const QStringList& terms);

}  // namespace search
