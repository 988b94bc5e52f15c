// Searches rows of any text for any search text and checks the result against the plain
// reading of the search: a row is listed once for every term that Qt's case-insensitive
// comparison finds in it, rows in list order.

#include "FuzzCheck.h"
#include "ListSnapshot.h"
#include "PickSearch.h"
#include "RowStore.h"

#include <QString>
#include <QStringList>

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

QString textFrom(FuzzedDataProvider& input)
{
    const std::string bytes = input.ConsumeRandomLengthString(64);
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

// Rows stored in one order and listed in another, with some stored rows removed before the
// snapshot, as a sorted list with deletions leaves them.
results_list::ListSnapshot rowsFrom(FuzzedDataProvider& input)
{
    results_list::RowStore store;
    std::vector<results_list::RowId> order;
    while (input.remaining_bytes() > 0 && order.size() < 64) {
        const results_list::RowId id = store.add(textFrom(input).toUtf8(), QByteArrayView());
        if (input.ConsumeBool())
            store.release(id);
        else
            order.insert(order.begin() + input.ConsumeIntegralInRange<std::size_t>(0, order.size()),
                         id);
    }
    return results_list::ListSnapshot({QStringLiteral("Picks")}, std::move(store),
                                      std::move(order));
}

std::vector<QByteArray> plainSearch(const results_list::ListSnapshot& rows,
                                    const QStringList& terms)
{
    std::vector<QByteArray> found;
    for (qsizetype row = 1; row <= rows.rowCount(); ++row) {
        const QString text = rows.cell(row, 1);
        for (const QString& term : terms)
            if (term.isEmpty() || text.contains(term, Qt::CaseInsensitive))
                found.push_back(text.toUtf8());
    }
    return found;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString searchText = textFrom(input);
    const QStringList terms = search::searchTerms(searchText);
    FUZZ_CHECK(terms.join(u',') == searchText && terms.size() == searchText.count(u',') + 1);

    const results_list::ListSnapshot rows = rowsFrom(input);
    const search::Finds found = *search::findPicks(rows, terms);
    const std::vector<QByteArray> expected = plainSearch(rows, terms);
    FUZZ_CHECK(std::equal(found.begin(), found.end(), expected.begin(), expected.end(),
                          [&](quint32 row, const QByteArray& b) {
                              return rows.cellUtf8(row, 1) == QByteArrayView(b);
                          }));
    return 0;
}
