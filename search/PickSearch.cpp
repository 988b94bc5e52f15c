#include "PickSearch.h"

#include "AsciiText.h"
#include "ListSnapshot.h"
#include "TextFinder.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <utility>

namespace search {

namespace {

// Where each slot's item text lies in the snapshot's packed texts, which hold every slot's
// item text and sort text, slot after slot.
class SlotTexts {
public:
    explicit SlotTexts(const results_list::ListSnapshot& rows)
        : rows_(rows), packed_(rows.packedSlotTexts())
    {
    }

    QByteArrayView packed() const { return packed_; }
    // The first texts, enough to tell which bytes are common.
    QByteArrayView sample() const
    {
        return packed_.first(std::min<qsizetype>(packed_.size(), 1 << 16));
    }
    qsizetype count() const { return rows_.slotCount(); }
    qsizetype start(qsizetype slot) const { return itemOf(slot).data() - packed_.data(); }
    qsizetype itemEnd(qsizetype slot) const { return start(slot) + itemOf(slot).size(); }
    QByteArrayView itemOf(qsizetype slot) const { return rows_.slotItemUtf8(slot); }

    // The slot whose texts hold the byte at `offset`, which lies in `from` or a later slot.
    // Finds come close together, so the search gallops from `from` in growing steps and
    // then halves the last step, reading few records far from the last find.
    qsizetype slotAt(qsizetype offset, qsizetype from) const
    {
        qsizetype low = from;  // start(low) <= offset
        qsizetype step = 1;
        while (low + step < count() && start(low + step) <= offset) {
            low += step;
            step *= 2;
        }
        qsizetype high = std::min(low + step, count());  // start(high) > offset, or the end
        while (high - low > 1) {
            const qsizetype middle = low + (high - low) / 2;
            (start(middle) <= offset ? low : high) = middle;
        }
        return low;
    }

private:
    const results_list::ListSnapshot& rows_;
    QByteArrayView packed_;
};

// One term, ready to be looked for in the rows' UTF-8 texts. How it is compared depends on
// what it holds:
// - no letters at all (digits, spaces, dashes: nearly every term): case does not matter,
//   so the bytes are looked for as they are;
// - ASCII letters: compared byte by byte with the letters folded, in rows that are ASCII;
// - anything else, or a row with other characters: Qt's case-insensitive comparison on
//   the decoded row.
class Term {
public:
    // The sample, a piece of the texts to be searched, guides how the term is looked for.
    Term(const QString& term, QByteArrayView sample)
        : text_(term),
          utf8_(term.toUtf8()),
          ascii_(core::isAscii(utf8_)),
          letters_(std::any_of(utf8_.begin(), utf8_.end(), core::isAsciiLetter)),
          finder_(utf8_, letters_, sample)
    {
    }

    bool isEmpty() const { return text_.isEmpty(); }
    bool isAscii() const { return ascii_; }
    bool hasLetters() const { return letters_; }

    // Calls count(slot) once for every slot whose item text holds the term, as found in
    // one pass over the packed texts. A find that runs past an item text's end into its
    // sort text or the next slot does not count, and the search goes on from the next slot.
    template <class Count>
    void forEachSlotHolding(const SlotTexts& slots, Count count) const
    {
        qsizetype slot = 0;
        qsizetype from = 0;
        while (slot < slots.count()) {
            const qsizetype found = finder_.find(slots.packed(), from);
            if (found == TextFinder::kNotFound)
                return;
            slot = slots.slotAt(found, slot);
            if (found + finder_.size() <= slots.itemEnd(slot))
                count(slot);
            if (++slot < slots.count())
                from = slots.start(slot);
        }
    }

    // Qt's case-insensitive containment on the decoded text.
    bool occursInDecoded(QByteArrayView row) const
    {
        return QString::fromUtf8(row).contains(text_, Qt::CaseInsensitive);
    }

private:
    QString text_;
    QByteArray utf8_;
    bool ascii_;
    bool letters_;
    TextFinder finder_;
};

// How many of the terms each slot's item text contains, as a Count, wide enough for the
// number of terms.
template <class Count>
class TermCounts {
public:
    explicit TermCounts(const results_list::ListSnapshot& rows)
        : slots_(rows), counts_(std::size_t(slots_.count()), 0)
    {
    }

    void add(const Term& term)
    {
        if (term.isEmpty())
            addEverywhere();
        else if (!term.isAscii())
            addDecoded(term, [](qsizetype) { return true; });
        else if (!term.hasLetters())
            term.forEachSlotHolding(slots_,
                                    [this](qsizetype slot) { ++counts_[std::size_t(slot)]; });
        else
            addFolded(term);
    }

    QByteArrayView sample() const { return slots_.sample(); }
    std::vector<Count> take() { return std::move(counts_); }

private:
    void addEverywhere()
    {
        for (Count& count : counts_)
            ++count;
    }

    template <class Which>
    void addDecoded(const Term& term, Which which)
    {
        for (qsizetype slot = 0; slot < slots_.count(); ++slot) {
            if (which(slot) && term.occursInDecoded(slots_.itemOf(slot)))
                ++counts_[std::size_t(slot)];
        }
    }

    // Folded bytes decide for ASCII rows; other rows are decoded, for a letter of theirs
    // may fold to one of the term's (the Kelvin sign to k).
    void addFolded(const Term& term)
    {
        const std::vector<bool>& nonAscii = nonAsciiSlots();
        term.forEachSlotHolding(slots_, [&](qsizetype slot) {
            counts_[std::size_t(slot)] += nonAscii[std::size_t(slot)] ? 0 : 1;
        });
        addDecoded(term, [&](qsizetype slot) { return nonAscii[std::size_t(slot)]; });
    }

    // Which slots hold other characters than ASCII: none in the usual list, which one pass
    // over the packed texts tells.
    const std::vector<bool>& nonAsciiSlots()
    {
        if (nonAsciiKnown_)
            return nonAscii_;
        nonAsciiKnown_ = true;
        nonAscii_.assign(std::size_t(slots_.count()), false);
        if (!core::isAscii(slots_.packed())) {
            for (qsizetype slot = 0; slot < slots_.count(); ++slot)
                nonAscii_[std::size_t(slot)] = !core::isAscii(slots_.itemOf(slot));
        }
        return nonAscii_;
    }

    SlotTexts slots_;
    std::vector<Count> counts_;
    std::vector<bool> nonAscii_;
    bool nonAsciiKnown_ = false;
};

// Each term is looked for once through all the packed texts, counting the slots it occurs
// in; a walk in list order then lists every row as often as it matched.
template <class Count>
std::vector<QByteArrayView> findPicksCounting(const results_list::ListSnapshot& rows,
                                              const QStringList& terms)
{
    TermCounts<Count> counts(rows);
    for (const QString& term : terms)
        counts.add(Term(term, counts.sample()));
    const std::vector<Count> matches = counts.take();
    std::vector<QByteArrayView> found;
    found.reserve(std::accumulate(matches.begin(), matches.end(), std::size_t(0)));
    constexpr qsizetype kAhead = 16;  // records are asked for this many rows ahead
    for (qsizetype row = 1; row <= rows.rowCount(); ++row) {
        if (row + kAhead <= rows.rowCount())
            rows.prefetchSlot(rows.slotOfRow(row + kAhead));
        const qsizetype slot = rows.slotOfRow(row);
        for (Count times = matches[std::size_t(slot)]; times > 0; --times)
            found.push_back(rows.slotItemUtf8(slot));
    }
    return found;
}

}  // namespace

QStringList searchTerms(const QString& searchText) { return searchText.split(QLatin1Char(',')); }

// The walk in list order reads the counts in scattered places; a byte per slot, enough
// for the usual few terms, keeps them in the processor's cache.
std::vector<QByteArrayView> findPicks(const results_list::ListSnapshot& rows, const QStringList& terms)
{
    if (terms.size() <= std::numeric_limits<quint8>::max())
        return findPicksCounting<quint8>(rows, terms);
    return findPicksCounting<quint32>(rows, terms);
}

}  // namespace search
