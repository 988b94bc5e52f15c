#pragma once

#include "AsciiText.h"

#include <QByteArray>
#include <QByteArrayView>

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace search {

// Finds one needle in texts, byte for byte or with ASCII letters folded, in time that
// grows with the length of the text searched, never with text times needle. A sample of
// the texts tells which of the needle's bytes are rare there:
// - a needle of up to 32 bytes with a rare byte: the library's memchr looks for that
//   byte, and the needle is compared wherever it stands;
// - another needle of up to 32 bytes: sixteen places at a time (eight without SSE2) are
//   tested for up to four of its neighbouring bytes, the rarest together, and the needle
//   is compared only where they all stand;
// - a longer needle: one pass over the text with the needle's table of borders
//   (Knuth-Morris-Pratt), which never reads a text byte twice.
class TextFinder {
public:
    static constexpr qsizetype kNotFound = -1;

    // With foldLetters, ASCII capitals in the needle and the text match small letters.
    // The sample, a piece of the texts to be searched, only guides the choice of method.
    TextFinder(QByteArrayView needle, bool foldLetters, QByteArrayView sample);

    qsizetype size() const { return needle_.size(); }
    // The first place at or after `from` where the needle starts, or kNotFound.
    qsizetype find(QByteArrayView text, qsizetype from) const;
    // Whether the needle stands anywhere in the text. `readable` bytes from the text's
    // start may be read, at least its size: a short text with room after it (a row of a
    // packed buffer) is tested a step of places at a time, without a branch per place.
    bool occursIn(QByteArrayView text, qsizetype readable) const
    {
        const qsizetype places = text.size() - needle_.size() + 1;
        if (probesCoverNeedle_ && places <= 2 * kPlacesPerStep
            && 2 * kPlacesPerStep + probeCount_ - 1 <= readable)
            return occursInTwoSteps(text, places);
        return occursInAnyWay(text, places, readable);
    }

private:
    // Which of eight text bytes equal one needle byte (a letter in either case when
    // letters fold): the high bit of each matching byte.
    struct ByteProbe {
        ByteProbe() = default;
        ByteProbe(char wanted, bool foldLetters);
        quint64 matches(quint64 eightBytes) const
        {
            constexpr quint64 kLowBits = 0x7F7F7F7F7F7F7F7FULL;
            const quint64 differences = (eightBytes | caseBits) ^ pattern;
            return ~(((differences & kLowBits) + kLowBits) | differences) & ~kLowBits;
        }
        quint64 pattern = 0;
        quint64 caseBits = 0;
    };

    // How many places one step of the probes tests: sixteen with SSE2, eight without.
#if defined(__SSE2__)
    static constexpr qsizetype kPlacesPerStep = 16;
#else
    static constexpr qsizetype kPlacesPerStep = 8;
#endif
    // Which of a step's places, from `at` on, hold every probe's byte, as bits; the place
    // of the lowest bit set; the places below `count` of a step, as bits.
#if defined(__SSE2__)
    quint64 placesMatchingProbes(const char* at) const
    {
        __m128i all = _mm_set1_epi8(-1);
        for (qsizetype i = 0; i < probeCount_; ++i) {
            const ByteProbe& probe = probes_[std::size_t(i)];
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + i));
            const __m128i folded = _mm_or_si128(bytes, _mm_set1_epi64x(qint64(probe.caseBits)));
            all = _mm_and_si128(all,
                                _mm_cmpeq_epi8(folded, _mm_set1_epi64x(qint64(probe.pattern))));
        }
        return quint32(_mm_movemask_epi8(all));
    }
    static qsizetype placeOfLowest(quint64 places) { return std::countr_zero(places); }
    static quint64 placesBelow(qsizetype count) { return (quint64(1) << count) - 1; }
#else
    quint64 placesMatchingProbes(const char* at) const;
    static qsizetype placeOfLowest(quint64 places);
    static quint64 placesBelow(qsizetype count);
#endif

    // A short needle that the probes cover whole, in a text of `places` places, up to two
    // steps: one or two steps answer without a branch on the text's bytes, which, at one
    // row after another, costs far less than a mispredicted branch per row. Most rows fit
    // one step for a needle of two bytes or more; for a needle of one byte, whether a row
    // fits would be a branch as random as the rows' lengths, so both steps are taken.
    bool occursInTwoSteps(QByteArrayView text, qsizetype places) const
    {
        const quint64 first = placesMatchingProbes(text.data())
                              & placesBelow(std::clamp<qsizetype>(places, 0, kPlacesPerStep));
        if (needle_.size() > 1 && places <= kPlacesPerStep)
            return first != 0;
        const quint64 second =
            placesMatchingProbes(text.data() + kPlacesPerStep)
            & placesBelow(std::clamp<qsizetype>(places - kPlacesPerStep, 0, kPlacesPerStep));
        return (first | second) != 0;
    }
    // `places`: where in the text the needle could start, as occursIn() counted them.
    bool occursInAnyWay(QByteArrayView text, qsizetype places, qsizetype readable) const;
    bool occursInSteps(QByteArrayView text, qsizetype places) const;

    qsizetype findByAnchor(QByteArrayView text, qsizetype from) const;
    qsizetype findByProbes(QByteArrayView text, qsizetype from) const;
    qsizetype findByBorders(QByteArrayView text, qsizetype from) const;
    bool matchesAt(const char* start) const;
    char folded(char c) const { return foldLetters_ ? core::foldAscii(c) : c; }

    QByteArray needle_;  // folded when letters fold
    bool foldLetters_;
    qsizetype anchor_ = -1;  // where the byte memchr looks for stands, or -1 for the probes
    static constexpr qsizetype kMostProbes = 4;
    qsizetype window_ = 0;  // where the bytes the probes look for start in the needle
    qsizetype probeCount_ = 0;
    bool probesCoverNeedle_ = false;  // the probes stand for every byte of the needle
    std::array<ByteProbe, kMostProbes> probes_;
    std::vector<qsizetype> borders_;  // only for a long needle
};

}  // namespace search
