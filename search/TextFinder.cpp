#include "TextFinder.h"

#include "AsciiText.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace search {

namespace {

// Needles up to this long are found through a few of their bytes side by side; at every
// place those stand the whole needle is compared, so this bounds the work per text byte.
// Longer needles go through the border table.
constexpr qsizetype kLongestPairedNeedle = 32;

// A byte that stands at most once in this many bytes of the sample is rare enough to be
// looked for alone, with the library's memchr, and the needle compared wherever it stands.
constexpr qsizetype kRareByteSpacing = 64;

// Texts up to this many steps of places long are tested in steps; longer ones are
// searched, which for a rare byte is faster.
constexpr qsizetype kMostSteps = 4;

// How often each byte stands in the sample; a letter of a folded needle counts in both
// cases.
std::array<qsizetype, 256> countBytes(QByteArrayView sample, bool foldLetters)
{
    std::array<qsizetype, 256> counts{};
    for (const char c : sample)
        ++counts[static_cast<unsigned char>(foldLetters ? core::foldAscii(c) : c)];
    return counts;
}

qsizetype countOf(const std::array<qsizetype, 256>& counts, char c)
{
    return counts[static_cast<unsigned char>(c)];
}

// Where the `width` neighbouring bytes of the needle that are rarest together start.
qsizetype chooseWindow(QByteArrayView needle, qsizetype width,
                       const std::array<qsizetype, 256>& counts)
{
    const auto countIn = [&](qsizetype start) {
        qsizetype sum = 0;
        for (qsizetype i = start; i < start + width; ++i)
            sum += countOf(counts, needle[i]);
        return sum;
    };
    qsizetype best = 0;
    for (qsizetype start = 1; start + width <= needle.size(); ++start) {
        if (countIn(start) < countIn(best))
            best = start;
    }
    return best;
}

// Where the rarest byte of the needle that memchr can look for stands (not a letter of a
// folded needle, which stands in two cases), or -1 when it is not rare enough in the
// sample: memchr starts anew after every find, which costs more than the probes' steps
// when the byte is common.
qsizetype chooseAnchor(QByteArrayView needle, bool foldLetters,
                       const std::array<qsizetype, 256>& counts, qsizetype sampleSize)
{
    qsizetype best = -1;
    for (qsizetype i = 0; i < needle.size(); ++i) {
        if (foldLetters && core::isAsciiLetter(needle[i]))
            continue;
        if (best < 0 || countOf(counts, needle[i]) < countOf(counts, needle[best]))
            best = i;
    }
    if (best < 0)
        return best;
    return countOf(counts, needle[best]) * kRareByteSpacing <= sampleSize ? best : -1;
}

// borders[i]: the length of the longest proper prefix of needle[0..i] that is also its
// suffix.
std::vector<qsizetype> bordersOf(QByteArrayView needle)
{
    std::vector<qsizetype> borders(std::size_t(needle.size()), 0);
    qsizetype border = 0;
    for (qsizetype i = 1; i < needle.size(); ++i) {
        while (border > 0 && needle[i] != needle[border])
            border = borders[std::size_t(border - 1)];
        if (needle[i] == needle[border])
            ++border;
        borders[std::size_t(i)] = border;
    }
    return borders;
}

}  // namespace

#if !defined(__SSE2__)

namespace {

quint64 eightBytesAt(const char* p)
{
    quint64 word;
    std::memcpy(&word, p, sizeof word);
    return qFromLittleEndian(word);
}

}  // namespace

// Eight places at a time, the high bit of each place's byte.
quint64 TextFinder::placesMatchingProbes(const char* at) const
{
    quint64 found = probes_[0].matches(eightBytesAt(at));
    for (qsizetype i = 1; i < probeCount_ && found != 0; ++i)
        found &= probes_[std::size_t(i)].matches(eightBytesAt(at + i));
    return found;
}

qsizetype TextFinder::placeOfLowest(quint64 places) { return std::countr_zero(places) / 8; }

quint64 TextFinder::placesBelow(qsizetype count)
{
    return count >= 8 ? ~quint64(0) : (quint64(1) << (8 * count)) - 1;
}

#endif

// Eight text bytes at a time are compared with one byte of the needle. A small letter of
// a folded needle matches both cases: setting bit 5 of a text byte turns a capital into
// the small letter, and only a capital or the letter itself becomes that letter.
TextFinder::ByteProbe::ByteProbe(char wanted, bool foldLetters)
{
    const quint64 ones = 0x0101010101010101ULL;
    caseBits = (foldLetters && core::isAsciiLetter(wanted)) ? ones * 0x20 : 0;
    pattern = ones * static_cast<unsigned char>(wanted);
}

TextFinder::TextFinder(QByteArrayView needle, bool foldLetters, QByteArrayView sample)
    : needle_(needle.toByteArray()), foldLetters_(foldLetters)
{
    if (foldLetters_)
        std::transform(needle_.begin(), needle_.end(), needle_.begin(), core::foldAscii);
    if (needle_.size() > kLongestPairedNeedle) {
        borders_ = bordersOf(needle_);
        return;
    }
    if (needle_.isEmpty())
        return;
    const std::array<qsizetype, 256> counts = countBytes(sample, foldLetters_);
    anchor_ = chooseAnchor(needle_, foldLetters_, counts, sample.size());
    probeCount_ = std::min<qsizetype>(needle_.size(), kMostProbes);
    window_ = chooseWindow(needle_, probeCount_, counts);
    for (qsizetype i = 0; i < probeCount_; ++i)
        probes_[std::size_t(i)] = ByteProbe(needle_[window_ + i], foldLetters_);
    probesCoverNeedle_ = probeCount_ == needle_.size();
}

qsizetype TextFinder::find(QByteArrayView text, qsizetype from) const
{
    if (from > text.size() - needle_.size())
        return kNotFound;
    if (needle_.isEmpty())
        return from;
    if (!borders_.empty())
        return findByBorders(text, from);
    return anchor_ >= 0 ? findByAnchor(text, from) : findByProbes(text, from);
}

// Rows too long for two steps, or too close to the end of what may be read, or a needle
// the probes do not cover: tested in steps when the text is short, searched otherwise.
bool TextFinder::occursInAnyWay(QByteArrayView text, qsizetype places, qsizetype readable) const
{
    const qsizetype steps = (places + kPlacesPerStep - 1) / kPlacesPerStep;
    const bool inSteps = probeCount_ > 0 && places > 0 && steps <= kMostSteps
                         && steps * kPlacesPerStep + window_ + probeCount_ - 1 <= readable;
    return inSteps ? occursInSteps(text, places) : find(text, 0) != kNotFound;
}

// Every place of a step is tested at once; when the probes cover the whole needle, the
// places they find are the answer, otherwise the needle is compared at each.
bool TextFinder::occursInSteps(QByteArrayView text, qsizetype places) const
{
    for (qsizetype step = 0; step < places; step += kPlacesPerStep) {
        quint64 found = placesMatchingProbes(text.data() + step + window_)
                        & placesBelow(std::min(places - step, kPlacesPerStep));
        if (probesCoverNeedle_ && found != 0)
            return true;
        for (; found != 0; found &= found - 1) {
            if (matchesAt(text.data() + step + placeOfLowest(found)))
                return true;
        }
    }
    return false;
}

qsizetype TextFinder::findByAnchor(QByteArrayView text, qsizetype from) const
{
    const char anchorByte = needle_[anchor_];
    const char* const begin = text.data();
    // The anchor's possible places: from its place in a needle starting at `from` to its
    // place in a needle ending at the text's end.
    const char* next = begin + from + anchor_;
    const char* const last = begin + text.size() - needle_.size() + anchor_;
    while (next <= last) {
        const auto* found =
            static_cast<const char*>(std::memchr(next, anchorByte, std::size_t(last - next + 1)));
        if (!found)
            return kNotFound;
        if (matchesAt(found - anchor_))
            return (found - anchor_) - begin;
        next = found + 1;
    }
    return kNotFound;
}

bool TextFinder::matchesAt(const char* start) const
{
    for (qsizetype i = 0; i < needle_.size(); ++i) {
        if (folded(start[i]) != needle_[i])
            return false;
    }
    return true;
}

// The window's possible places run from its place in a needle starting at `from` to its
// place in a needle ending at the text's end. A step's worth of places is tested at once
// while the window's bytes for all of them can be read; the last few one by one.
qsizetype TextFinder::findByProbes(QByteArrayView text, qsizetype from) const
{
    const char* const begin = text.data();
    const qsizetype last = text.size() - needle_.size() + window_;
    qsizetype place = from + window_;
    for (; place + kPlacesPerStep + probeCount_ - 1 <= text.size() && place <= last;
         place += kPlacesPerStep) {
        for (auto found = placesMatchingProbes(begin + place); found != 0; found &= found - 1) {
            const qsizetype at = place + placeOfLowest(found);
            if (at > last)
                return kNotFound;
            if (matchesAt(begin + at - window_))
                return at - window_;
        }
    }
    for (; place <= last; ++place) {
        if (matchesAt(begin + place - window_))
            return place - window_;
    }
    return kNotFound;
}

qsizetype TextFinder::findByBorders(QByteArrayView text, qsizetype from) const
{
    qsizetype matched = 0;
    for (qsizetype i = from; i < text.size(); ++i) {
        const char c = folded(text[i]);
        while (matched > 0 && c != needle_[matched])
            matched = borders_[std::size_t(matched - 1)];
        if (c == needle_[matched])
            ++matched;
        if (matched == needle_.size())
            return i - matched + 1;
    }
    return kNotFound;
}

}  // namespace search
