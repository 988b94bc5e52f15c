#include "PickSearch.h"

#include "AsciiText.h"
#include "ListSnapshot.h"

#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <bit>
#include <functional>

namespace search {

namespace {

// One term, found case-insensitively in rows' UTF-8 item texts: as bytes when it has no
// letters (nearly every term), in the row folded to small letters when both are ASCII, else
// through Qt's comparison on the decoded row.
class Term {
public:
    explicit Term(const QString& term)
        : text_(term),
          small_(term.toUtf8().toLower()),
          ascii_(core::isAscii(small_)),
          letters_(std::any_of(small_.begin(), small_.end(), core::isAsciiLetter)),
          searcher_(small_.cbegin(), small_.cend())
    {
    }
    Q_DISABLE_COPY_MOVE(Term)  // the searcher points into small_

    bool needsFoldedRows() const { return ascii_ && letters_; }

    // `folded`: the row with capitals made small if needsFoldedRows() and it is ASCII.
    bool occursIn(QByteArrayView row, QByteArrayView folded, bool asciiRow) const
    {
        if (ascii_ && !letters_)
            return holds(row);
        if (ascii_ && asciiRow)
            return holds(folded);
        return QString::fromUtf8(row).contains(text_, Qt::CaseInsensitive);
    }

private:
    // A single byte through memchr; a longer term through Boyer-Moore-Horspool, which skips
    // ahead wherever a row's byte cannot end the term.
    bool holds(QByteArrayView text) const
    {
        if (small_.size() == 1)
            return text.contains(small_.front());
        return small_.isEmpty() || std::search(text.begin(), text.end(), searcher_) != text.end();
    }

    QString text_;
    QByteArray small_;  // the term's UTF-8 bytes, capitals made small
    bool ascii_;
    bool letters_;
    std::boyer_moore_horspool_searcher<QByteArray::const_iterator> searcher_;
};

// Terms of ASCII bytes without letters, side by side in the 64 bits of one word, found together
// in one pass over a row (Shift-And), faster than each on its own: bit k of the state is set
// while the bytes just read equal a term's bytes up to the one at bit k.
class PackedTerms {
public:
    // Whether the term was taken: it must be such a term, and fit beside those taken.
    bool add(QByteArrayView term)
    {
        if (term.isEmpty() || used_ + term.size() > 64 || !core::isAscii(term)
            || std::any_of(term.begin(), term.end(), core::isAsciiLetter))
            return false;
        starts_ |= quint64(1) << used_;
        for (const char c : term)
            masks_[uchar(c)] |= quint64(1) << used_++;
        ends_ |= quint64(1) << (used_ - 1);
        return true;
    }

    int size() const { return std::popcount(ends_); }

    quint32 countIn(QByteArrayView row) const
    {
        quint64 state = 0;
        quint64 seen = 0;
        for (const char c : row) {
            state = ((state << 1) | starts_) & masks_[uchar(c)];
            seen |= state;
        }
        return quint32(std::popcount(seen & ends_));
    }

private:
    std::array<quint64, 256> masks_{};  // for each byte, the bits of the terms' bytes it equals
    quint64 starts_ = 0;                // each term's first bit
    quint64 ends_ = 0;                  // each term's last bit
    qsizetype used_ = 0;
};

class Terms {
public:
    explicit Terms(const QStringList& texts)
        : terms_(unpacked(texts)), foldRows_(std::ranges::any_of(terms_, &Term::needsFoldedRows))
    {
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
        quint32 count = packed_.size() == 0 ? 0 : packed_.countIn(row);
        for (const Term& term : terms_)
            count += term.occursIn(row, QByteArrayView(folded.data(), folded.size()), asciiRow);
        return count;
    }

private:
    // Packs the terms it can, if two or more: a term alone is found faster by itself.
    std::vector<Term> unpacked(const QStringList& texts)
    {
        QStringList others;
        for (const QString& text : texts) {
            if (!packed_.add(text.toUtf8()))
                others << text;
        }
        if (packed_.size() < 2) {
            packed_ = PackedTerms();
            others = texts;
        }
        return std::vector<Term>(others.begin(), others.end());
    }

    PackedTerms packed_;
    std::vector<Term> terms_;
    bool foldRows_ = false;
};

// How many terms each row holds is kept in a byte a row: kMany stands for that many or more,
// counted again when the row is listed (rarely: it takes that many terms).
constexpr quint8 kMany = 255;

// Counts into `held` the terms of each row of a stretch, and adds up what its finds come to.
struct StretchCount {
    const Terms* terms;
    bool asciiList;
    quint8* held;
    FindCount count;

    void operator()(qsizetype row, QByteArrayView text)
    {
        const quint32 termsHeld = terms->countIn(text, asciiList);
        held[row - 1] = quint8(std::min<quint32>(termsHeld, kMany));
        count.finds += termsHeld;
        count.textBytes += qint64(termsHeld) * text.size();
    }
};

}  // namespace

QStringList searchTerms(const QString& searchText) { return searchText.split(QLatin1Char(',')); }

std::optional<Finds> findPicks(const results_list::ListSnapshot& rows, const QStringList& texts,
                               const AcceptFinds& accept)
{
    const Terms terms(texts);
    std::vector<quint8> held(std::size_t(rows.rowCount()));
    FindCount total;
    for (const StretchCount& stretch :
         rows.visitItems(StretchCount{&terms, rows.allAscii(), held.data(), {}})) {
        total.finds += stretch.count.finds;
        total.textBytes += stretch.count.textBytes;
    }
    if (accept && !accept(total))
        return std::nullopt;
    Finds found(std::size_t(total.finds));
    quint32* out = found.data();
    for (qsizetype row = 1; row <= rows.rowCount(); ++row) {
        const quint8 byte = held[std::size_t(row - 1)];
        const quint32 times =
            byte < kMany ? byte : terms.countIn(rows.cellUtf8(row, 1), rows.allAscii());
        out = std::fill_n(out, times, quint32(row));
    }
    return found;
}

}  // namespace search
