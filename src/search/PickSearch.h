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

// A search's finds, counted before they are listed, and the bytes of their item texts.
struct FindCount {
    qint64 finds = 0;
    qint64 textBytes = 0;
};

// Told what a search's finds come to once they are counted; true lets them be listed.
using AcceptFinds = std::function<bool(const FindCount&)>;

// Rows whose item text holds a term (case-insensitively; an empty one is in every text), once
// per term, in list order; listed unless `accept` is given and refuses their count.
std::optional<Finds> findPicks(const results_list::ListSnapshot& rows, const QStringList& terms,
                               const AcceptFinds& accept = {});

}  // namespace search
