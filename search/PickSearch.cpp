#include "PickSearch.h"

#include "ListSnapshot.h"

#include <algorithm>
#include <string_view>

namespace search {

namespace {

char foldAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool isAscii(QByteArrayView text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
}

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// One term, ready to be looked for in the rows' UTF-8 texts. How it is compared depends on
// what it holds:
// - no letters at all (digits, spaces, dashes: nearly every term): case does not matter,
//   so a plain byte search finds it;
// - ASCII letters: compared byte by byte with the letters folded, in rows that are ASCII;
// - anything else, or a row with other characters: Qt's case-insensitive comparison on
//   the decoded row.
class Term {
public:
    explicit Term(const QString& term) : text_(term), folded_(term.toUtf8())
    {
        std::transform(folded_.begin(), folded_.end(), folded_.begin(), foldAscii);
        ascii_ = isAscii(folded_);
        plain_ = ascii_ && std::none_of(folded_.begin(), folded_.end(), isAsciiLetter);
    }

    bool occursIn(QByteArrayView row) const
    {
        if (plain_)
            return std::string_view(row.data(), std::size_t(row.size())).find(plainView())
                   != std::string_view::npos;
        if (ascii_ && isAscii(row))
            return occursFoldedIn(row);
        return QString::fromUtf8(row).contains(text_, Qt::CaseInsensitive);
    }

private:
    std::string_view plainView() const
    {
        return std::string_view(folded_.constData(), std::size_t(folded_.size()));
    }

    bool occursFoldedIn(QByteArrayView row) const
    {
        const auto sameFolded = [](char seen, char wanted) { return foldAscii(seen) == wanted; };
        return std::search(row.begin(), row.end(), folded_.begin(), folded_.end(), sameFolded)
               != row.end();
    }

    QString text_;
    QByteArray folded_;
    bool ascii_ = true;
    bool plain_ = true;
};

}  // namespace

QStringList searchTerms(const QString& searchText) { return searchText.split(QLatin1Char(',')); }

// The texts are read once, from start to end of the packed storage, counting the terms each
// contains; a walk in list order then lists every row as often as it matched.
std::vector<QByteArrayView> findPicks(const results_list::ListSnapshot& rows,
                                      const QStringList& terms)
{
    std::vector<Term> prepared;
    prepared.reserve(std::size_t(terms.size()));
    for (const QString& term : terms)
        prepared.emplace_back(term);

    std::vector<quint32> matches(std::size_t(rows.slotCount()));
    for (qsizetype slot = 0; slot < rows.slotCount(); ++slot) {
        const QByteArrayView text = rows.slotItemUtf8(slot);
        for (const Term& term : prepared)
            matches[std::size_t(slot)] += term.occursIn(text) ? 1 : 0;
    }

    std::vector<QByteArrayView> found;
    for (qsizetype row = 1; row <= rows.rowCount(); ++row) {
        const qsizetype slot = rows.slotOfRow(row);
        if (const quint32 times = matches[std::size_t(slot)])
            found.insert(found.end(), times, rows.slotItemUtf8(slot));
    }
    return found;
}

}  // namespace search
