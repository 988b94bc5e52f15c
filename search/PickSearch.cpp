#include "PickSearch.h"

#include "AsciiText.h"
#include "ListSnapshot.h"
#include "ParallelWork.h"
#include "TextFinder.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <utility>

namespace search {

namespace {

// The slots' item texts, as they lie in the snapshot's packed texts (every slot's item
// text and sort text, slot after slot), so that a test may read a little past a short
// text's end in one step.
class SlotTexts {
public:
    explicit SlotTexts(const results_list::ListSnapshot& rows)
        : rows_(rows), packed_(rows.packedSlotTexts())
    {
    }

    // The first texts, enough to tell which bytes are common.
    QByteArrayView sample() const
    {
        return packed_.first(std::min<qsizetype>(packed_.size(), 1 << 16));
    }
    qsizetype count() const { return rows_.slotCount(); }
    QByteArrayView itemOf(qsizetype slot) const { return rows_.slotItemUtf8(slot); }
    qsizetype readableFrom(QByteArrayView text) const { return rows_.readableFrom(text); }

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

    // Whether the row's text must be known to be ASCII before this term is looked for.
    bool needsAsciiRows() const { return ascii_ && letters_; }

    // Whether the row's item text holds the term; `readable` bytes may be read from the
    // row's start, and asciiRow tells whether the row holds ASCII only.
    bool occursIn(QByteArrayView row, qsizetype readable, bool asciiRow) const
    {
        if (ascii_ && (asciiRow || !letters_))
            return finder_.occursIn(row, readable);
        return QString::fromUtf8(row).contains(text_, Qt::CaseInsensitive);
    }

private:
    QString text_;
    QByteArray utf8_;
    bool ascii_;
    bool letters_;
    TextFinder finder_;
};

// How many terms each slot's item text contains, as a Count a slot, wide enough for the
// number of terms.
template <class Count>
class SlotCounts {
public:
    explicit SlotCounts(qsizetype slots) : counts_(std::size_t(slots), 0) {}
    void record(qsizetype slot, quint32 count) { counts_[std::size_t(slot)] = Count(count); }
    quint32 operator[](qsizetype slot) const { return counts_[std::size_t(slot)]; }

private:
    std::vector<Count> counts_;
};

// Whether each slot's item text contains the one term, as a bit a slot: an eighth of the
// memory of a count a slot, which over millions of rows is megabytes the search need not
// take. Slots are recorded by at most one thread per 64 (slotRangesForCores()).
class SlotMatches {
public:
    explicit SlotMatches(qsizetype slots) : words_((std::size_t(slots) + 63) / 64, 0) {}
    void record(qsizetype slot, quint32 count)
    {
        words_[std::size_t(slot) / 64] |= quint64(count != 0) << (std::size_t(slot) % 64);
    }
    quint32 operator[](qsizetype slot) const
    {
        return quint32(words_[std::size_t(slot) / 64] >> (std::size_t(slot) % 64)) & 1;
    }

private:
    std::vector<quint64> words_;
};

// The slots cut into a stretch per core, each starting at a multiple of 64 slots, so that
// no two stretches share a word of SlotMatches.
std::vector<core::ItemRange> slotRangesForCores(qsizetype slots)
{
    constexpr qsizetype kSlotsPerWord = 64;
    std::vector<core::ItemRange> ranges = core::rangesForCores(
        (slots + kSlotsPerWord - 1) / kSlotsPerWord, core::kShortestStretch / kSlotsPerWord);
    for (core::ItemRange& range : ranges) {
        range.begin *= kSlotsPerWord;
        range.end = std::min(range.end * kSlotsPerWord, slots);
    }
    return ranges;
}

// How many of the terms each slot's item text contains, as Matches (SlotCounts or
// SlotMatches): one pass over the slots in the order they lie in memory, each text tested
// for every term while it is at hand, a stretch of slots per core.
template <class Matches>
Matches countTerms(const results_list::ListSnapshot& rows, const QStringList& texts)
{
    const SlotTexts slots(rows);
    std::vector<Term> terms;
    terms.reserve(std::size_t(texts.size()));
    for (const QString& text : texts)
        terms.emplace_back(text, slots.sample());
    // Rows need their own test only when some term has letters and some row is not ASCII,
    // which the list's texts usually rule out at once.
    const bool rowsMayBeNonAscii =
        std::any_of(terms.begin(), terms.end(), std::mem_fn(&Term::needsAsciiRows))
        && !rows.allAscii();
    Matches counts(slots.count());
    const std::vector<core::ItemRange> ranges = slotRangesForCores(slots.count());
    core::runTogether(qsizetype(ranges.size()), [&](qsizetype part) {
        for (qsizetype slot = ranges[part].begin; slot < ranges[part].end; ++slot) {
            const QByteArrayView row = slots.itemOf(slot);
            const qsizetype readable = slots.readableFrom(row);
            const bool asciiRow = !rowsMayBeNonAscii || core::isAscii(row);
            quint32 count = 0;
            for (const Term& term : terms)
                count += term.occursIn(row, readable, asciiRow);
            counts.record(slot, count);
        }
    });
    return counts;
}

// The finds of rows `range` (numbered from 0) in list order, written from `out` to `end`:
// each row's slot as often as it matched. Whether a row matched is as good as random, so
// its slot is written before that is known, and kept by moving on past it only if it
// matched; a slot not kept is written over by the next find. The place at `end` belongs
// to the next stretch, being written by another thread, and is never written.
template <class Matches>
void listFinds(const results_list::ListSnapshot& rows, const Matches& matches,
               core::ItemRange range, quint32* out, const quint32* end)
{
    for (qsizetype row = range.begin + 1; row <= range.end; ++row) {
        const auto slot = quint32(rows.slotOfRow(row));
        const quint32 times = matches[slot];
        if (out != end)
            *out = slot;
        for (quint32 more = 1; more < times; ++more)
            out[more] = slot;
        out += times;
    }
}

// How many finds rows `range` (numbered from 0) make, and the bytes of their item texts.
template <class Matches>
FindCount findsIn(const results_list::ListSnapshot& rows, const Matches& matches,
                  core::ItemRange range)
{
    FindCount count;
    for (qsizetype row = range.begin + 1; row <= range.end; ++row) {
        const qsizetype slot = rows.slotOfRow(row);
        const quint32 times = matches[slot];
        count.finds += times;
        count.textBytes += qint64(times) * rows.slotItemUtf8(slot).size();
    }
    return count;
}

// Every term is looked for in every slot; then, a stretch of rows per core, the rows are
// walked in list order and their finds counted. Only if `accept` agrees to that count are
// the rows walked again and listed as often as they matched, each stretch's finds after
// the finds of those before it.
template <class Matches>
std::optional<Finds> findPicksCounting(const results_list::ListSnapshot& rows,
                                       const QStringList& terms, const AcceptFinds& accept)
{
    const Matches matches = countTerms<Matches>(rows, terms);
    const std::vector<core::ItemRange> ranges =
        core::rangesForCores(rows.rowCount(), core::kShortestStretch);
    std::vector<FindCount> counts(ranges.size());
    core::runTogether(qsizetype(ranges.size()), [&](qsizetype part) {
        counts[std::size_t(part)] = findsIn(rows, matches, ranges[part]);
    });
    std::vector<qsizetype> firstFind(ranges.size() + 1, 0);
    FindCount total;
    for (std::size_t part = 0; part < counts.size(); ++part) {
        total.finds += counts[part].finds;
        total.textBytes += counts[part].textBytes;
        firstFind[part + 1] = qsizetype(total.finds);
    }
    if (!accept(total))
        return std::nullopt;
    Finds found(std::size_t(total.finds));
    core::runTogether(qsizetype(ranges.size()), [&](qsizetype part) {
        listFinds(rows, matches, ranges[part], found.data() + firstFind[std::size_t(part)],
                  found.data() + firstFind[std::size_t(part) + 1]);
    });
    return found;
}

}  // namespace

QStringList searchTerms(const QString& searchText) { return searchText.split(QLatin1Char(',')); }

// The walk in list order reads the counts in scattered places; a bit per slot for one
// term, or a byte, enough for the usual few, keeps them in the processor's cache.
std::optional<Finds> findPicks(const results_list::ListSnapshot& rows, const QStringList& terms,
                               const AcceptFinds& accept)
{
    if (terms.size() == 1)
        return findPicksCounting<SlotMatches>(rows, terms, accept);
    if (terms.size() <= std::numeric_limits<quint8>::max())
        return findPicksCounting<SlotCounts<quint8>>(rows, terms, accept);
    return findPicksCounting<SlotCounts<quint32>>(rows, terms, accept);
}

Finds findPicks(const results_list::ListSnapshot& rows, const QStringList& terms)
{
    return *findPicks(rows, terms, [](const FindCount&) { return true; });
}

}  // namespace search
