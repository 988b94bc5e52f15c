#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

namespace search {

// Finds one needle in texts, byte for byte or with ASCII letters folded, in time that
// grows with the length of the text searched, never with text times needle:
// - a needle of up to 32 bytes: eight places at a time are tested for its rarest pair of
//   neighbouring bytes, and only where the pair stands is the whole needle compared;
// - a longer needle: one pass over the text with the needle's table of borders
//   (Knuth-Morris-Pratt), which never reads a text byte twice.
class TextFinder {
public:
    static constexpr qsizetype kNotFound = -1;

    // With foldLetters, ASCII capitals in the needle and the text match small letters.
    TextFinder(QByteArrayView needle, bool foldLetters);

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

    qsizetype findByPair(QByteArrayView text, qsizetype from) const;
    qsizetype findByBorders(QByteArrayView text, qsizetype from) const;
    bool matchesAt(const char* start) const;
    char folded(char c) const;

    QByteArray needle_;  // folded when letters fold
    bool foldLetters_;
    qsizetype pair_ = 0;  // where the pair of bytes looked for starts in the needle
    ByteProbe first_;
    ByteProbe second_;
    std::vector<qsizetype> borders_;  // only for a long needle
};

}  // namespace search
