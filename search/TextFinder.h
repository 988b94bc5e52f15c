#pragma once

#include "AsciiText.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <vector>

namespace search {

// Finds one needle in texts, byte for byte or with ASCII letters folded, in time that
// grows with the length of the text searched, never with text times needle. A sample of
// the texts tells which of the needle's bytes are rare there:
// - a needle of up to 32 bytes with a rare byte (or of one byte): the library's memchr
//   looks for that byte, and the needle is compared wherever it stands;
// - another needle of up to 32 bytes: eight places at a time are tested for up to four of
//   its neighbouring bytes, the rarest together, and the needle is compared only where
//   they all stand;
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
    std::array<ByteProbe, kMostProbes> probes_;
    std::vector<qsizetype> borders_;  // only for a long needle
};

}  // namespace search
