#include "PickText.h"

#include "Conversions.h"

namespace generation {

QString trimSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

namespace {

// Prefix, one space, then the text without its trailing separator, trimmed as a whole.
// The text still starts with its opening space, so a prefix is followed by two spaces.
QString withPrefix(const QString& prefix, const QString& text)
{
    return trimSpaces(prefix + QLatin1Char(' ') + text.chopped(1));
}

}  // namespace

// The numbers are written as ASCII into one buffer and the texts made from it once: a
// pick of thousands of numbers then costs no text of its own for each.
PickTexts makePickTexts(const std::vector<std::int32_t>& numbers, QChar separator,
                        const QString& prefix)
{
    const char latin1Separator = separator.toLatin1();
    std::vector<char> pickText(1 + numbers.size() * (core::kMostDecimalChars + 1), ' ');
    std::vector<char> sortText(pickText.size(), ' ');
    char* pickEnd = pickText.data() + 1;  // after the opening space
    char* sortEnd = sortText.data() + 1;
    for (const std::int32_t number : numbers) {
        pickEnd = core::writePlainDecimal(pickEnd, number);
        *pickEnd++ = latin1Separator;
        sortEnd = core::writeTwoDigit(sortEnd, number);
        *sortEnd++ = latin1Separator;
    }
    PickTexts texts{QString::fromLatin1(pickText.data(), pickEnd - pickText.data()),
                    QString::fromLatin1(sortText.data(), sortEnd - sortText.data())};
    if (!trimSpaces(texts.pickText).isEmpty()) {
        texts.pickText = withPrefix(prefix, texts.pickText);
        texts.sortText = withPrefix(prefix, texts.sortText);
    }
    return texts;
}

}  // namespace generation
