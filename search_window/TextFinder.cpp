#include "TextFinder.h"

#include "AsciiText.h"

#include <QtEndian>

#include <algorithm>
#include <bit>
#include <cstring>

namespace search {

namespace {

// Needles up to this long are found through two of their bytes side by side; at every
// place that pair stands the whole needle is compared, so this bounds the work per text
// byte. Longer needles go through the border table.
constexpr qsizetype kLongestPairedNeedle = 32;

// How rarely a byte stands in pick texts, higher for rarer: separators are everywhere,
// digits nearly so, anything else (a prefix's letters and punctuation) seldom.
int rarity(char c)
{
    if (c == ' ' || c == '-')
        return 0;
    if (c >= '0' && c <= '9')
        return 1;
    return 2;
}

// Where the rarest pair of neighbouring bytes of the needle starts (0 for a needle of one
// byte).
qsizetype choosePair(QByteArrayView needle)
{
    qsizetype best = 0;
    int bestRarity = -1;
    for (qsizetype i = 0; i + 1 < needle.size(); ++i) {
        if (const int r = rarity(needle[i]) + rarity(needle[i + 1]); r > bestRarity) {
            best = i;
            bestRarity = r;
        }
    }
    return best;
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

quint64 eightBytesAt(const char* p)
{
    quint64 word;
    std::memcpy(&word, p, sizeof word);
    return qFromLittleEndian(word);
}

}  // namespace

// Eight text bytes at a time are compared with one byte of the needle. A small letter of
// a folded needle matches both cases: setting bit 5 of a text byte turns a capital into
// the small letter, and only a capital or the letter itself becomes that letter.
TextFinder::ByteProbe::ByteProbe(char wanted, bool foldLetters)
{
    const quint64 ones = 0x0101010101010101ULL;
    caseBits = (foldLetters && platform::isAsciiLetter(wanted)) ? ones * 0x20 : 0;
    pattern = ones * static_cast<unsigned char>(wanted);
}

TextFinder::TextFinder(QByteArrayView needle, bool foldLetters)
    : needle_(needle.toByteArray()), foldLetters_(foldLetters)
{
    if (foldLetters_)
        std::transform(needle_.begin(), needle_.end(), needle_.begin(), platform::foldAscii);
    if (needle_.size() > kLongestPairedNeedle) {
        borders_ = bordersOf(needle_);
        return;
    }
    pair_ = choosePair(needle_);
    first_ = ByteProbe(needle_.isEmpty() ? '\0' : needle_[pair_], foldLetters_);
    second_ = ByteProbe(needle_.size() > 1 ? needle_[pair_ + 1] : '\0', foldLetters_);
}

qsizetype TextFinder::find(QByteArrayView text, qsizetype from) const
{
    if (from > text.size() - needle_.size())
        return kNotFound;
    if (needle_.isEmpty())
        return from;
    return borders_.empty() ? findByPair(text, from) : findByBorders(text, from);
}

char TextFinder::folded(char c) const { return foldLetters_ ? platform::foldAscii(c) : c; }

bool TextFinder::matchesAt(const char* start) const
{
    for (qsizetype i = 0; i < needle_.size(); ++i) {
        if (folded(start[i]) != needle_[i])
            return false;
    }
    return true;
}

// The pair's possible places run from its place in a needle starting at `from` to its
// place in a needle ending at the text's end. Eight places are tested at once while nine
// bytes remain to read; the last few one by one.
qsizetype TextFinder::findByPair(QByteArrayView text, qsizetype from) const
{
    const char* const begin = text.data();
    const bool single = needle_.size() == 1;
    const qsizetype last = text.size() - needle_.size() + pair_;
    qsizetype place = from + pair_;
    for (; place + 9 <= text.size() && place <= last; place += 8) {
        quint64 found = first_.matches(eightBytesAt(begin + place));
        if (!single)
            found &= second_.matches(eightBytesAt(begin + place + 1));
        for (; found != 0; found &= found - 1) {
            const qsizetype at = place + std::countr_zero(found) / 8;
            if (at > last)
                return kNotFound;
            if (matchesAt(begin + at - pair_))
                return at - pair_;
        }
    }
    for (; place <= last; ++place) {
        if (matchesAt(begin + place - pair_))
            return place - pair_;
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
