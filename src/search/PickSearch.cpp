#include "PickSearch.h"

#include "AsciiText.h"
#include "ListSnapshot.h"

#include <QByteArrayMatcher>
#include <QVarLengthArray>

#include <algorithm>
#include <functional>

namespace search {

namespace {

// One term, ready to be looked for in the rows' UTF-8 item texts. How it is compared
// depends on what it holds:
// - no letters at all (digits, spaces, dashes: nearly every term): case does not matter,
//   so the bytes are looked for as they are;
// - ASCII letters: its bytes, small, in the row's bytes with capitals made small, in rows
//   that are ASCII;
// - anything else, or a row with other characters: Qt's case-insensitive comparison on
//   the decoded row.
class Term {
public:
    explicit Term(const QString& term)
        : text_(term),
          utf8_(term.toUtf8()),
          ascii_(core::isAscii(utf8_)),
          letters_(std::any_of(utf8_.begin(), utf8_.end(), core::isAsciiLetter)),
          small_(utf8_.toLower()),
          matcher_(small_)
    {
    }

    // Whether the term is looked for in the row's bytes with capitals made small.
    bool needsFoldedRows() const { return ascii_ && letters_; }

    // Whether the row's item text holds the term; `folded` is the row with capitals made
    // small when needsFoldedRows() and the row is ASCII, else empty.
    bool occursIn(QByteArrayView row, QByteArrayView folded, bool asciiRow) const
    {
        if (ascii_ && !letters_)
            return holds(row);
        if (ascii_ && asciiRow)
            return holds(folded);
        return QString::fromUtf8(row).contains(text_, Qt::CaseInsensitive);
    }

private:
    // A short term: std::search, which looks for the first byte and compares the rest
    // there, inline: rows are short, where a call or a skip table per row costs more than
    // the search. A long one: Boyer-Moore, whose time grows with the text alone, where
    // comparing at every place of the first byte may grow with text times term.
    bool holds(QByteArrayView text) const
    {
        constexpr qsizetype kLongTerm = 16;
        if (small_.size() > kLongTerm)
            return matcher_.indexIn(text) >= 0;
        return std::search(text.begin(), text.end(), small_.begin(), small_.end()) != text.end()
               || small_.isEmpty();
    }

    QString text_;
    QByteArray utf8_;
    bool ascii_;
    bool letters_;
    QByteArray small_;  // the term's bytes, capitals made small
    QByteArrayMatcher matcher_;
};

// The terms, and how each row's item text is tested for all of them.
class Terms {
public:
    explicit Terms(const QStringList& texts)
    {
        terms_.reserve(std::size_t(texts.size()));
        for (const QString& text : texts)
            terms_.emplace_back(text);
        foldRows_ = std::any_of(terms_.begin(), terms_.end(), std::mem_fn(&Term::needsFoldedRows));
    }

    // How many of the terms the row holds. `asciiList`: every row is known to be ASCII.
    quint32 countIn(QByteArrayView row, bool asciiList) const
    {
        const bool asciiRow = asciiList || core::isAscii(row);
        QVarLengthArray<char, 256> folded;
        if (foldRows_ && asciiRow) {
            folded.resize(row.size());
            std::transform(row.begin(), row.end(), folded.begin(), core::foldAscii);
        }
        quint32 count = 0;
        for (const Term& term : terms_)
            count += term.occursIn(row, QByteArrayView(folded.data(), folded.size()), asciiRow);
        return count;
    }

private:
    std::vector<Term> terms_;
    bool foldRows_ = false;
};

// How many of the terms a row's item text holds, and the text's size, taken while the text
// is at hand: the sizes of a sorted list's rows lie scattered in memory.
struct RowMatch {
    quint32 terms = 0;
    quint32 textBytes = 0;
};

FindCount countFinds(const std::vector<RowMatch>& matches)
{
    FindCount total;
    for (const RowMatch& match : matches) {
        total.finds += match.terms;
        total.textBytes += qint64(match.terms) * match.textBytes;
    }
    return total;
}

}  // namespace

QStringList searchTerms(const QString& searchText) { return searchText.split(QLatin1Char(',')); }

// Every row is tested for every term while its text is at hand, and the finds counted;
// only if `accept` agrees to that count are the rows listed, in list order, as often as
// they matched.
std::optional<Finds> findPicks(const results_list::ListSnapshot& rows, const QStringList& texts,
                               const AcceptFinds& accept)
{
    const Terms terms(texts);
    const std::vector<RowMatch> matches = rows.itemValues([&](QByteArrayView text) {
        return RowMatch{terms.countIn(text, rows.allAscii()), quint32(text.size())};
    });
    const FindCount total = countFinds(matches);
    if (!accept(total))
        return std::nullopt;
    Finds found(std::size_t(total.finds));
    quint32* out = found.data();
    for (std::size_t i = 0; i < matches.size(); ++i)
        out = std::fill_n(out, matches[i].terms, quint32(i + 1));
    return found;
}

Finds findPicks(const results_list::ListSnapshot& rows, const QStringList& terms)
{
    return *findPicks(rows, terms, [](const FindCount&) { return true; });
}

}  // namespace search
