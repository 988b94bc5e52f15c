#pragma once

#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace results_list {
class ListSnapshot;
}  // namespace results_list

namespace search {

// The search text cut at every comma, exactly as typed: nothing is trimmed and empty terms
// are kept ("3, 7" gives "3" and " 7"; "3," gives "3" and "").
QStringList searchTerms(const QString& searchText);

// Rows of a snapshot, numbered from 1.
using Finds = std::vector<quint32>;

// What a search finds, counted before the finds are listed: how many there are, and the
// bytes of their item texts, each find's counted.
struct FindCount {
    qint64 finds = 0;
    qint64 textBytes = 0;
};

// Told what a search's finds come to once they are counted; true lets them be listed.
using AcceptFinds = std::function<bool(const FindCount&)>;

// The rows whose item text contains a term, case-insensitively: each row
// once per term it contains, rows in list order. An empty term occurs in every text. The
// finds are counted first, and listed only when `accept` agrees to their count (nothing
// otherwise), so a caller can refuse finds it could not hold before room is made for them.
std::optional<Finds> findPicks(const results_list::ListSnapshot& rows, const QStringList& terms,
                               const AcceptFinds& accept);
// The same, every find listed.
Finds findPicks(const results_list::ListSnapshot& rows, const QStringList& terms);

}  // namespace search
