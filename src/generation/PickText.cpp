#include "PickText.h"

#include "Conversions.h"

#include <utility>

namespace generation {

QString trimSpaces(QString text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    text.truncate(last);
    text.remove(0, first);
    return text;
}

namespace {

// Prefix, one space, then the numbers, trimmed as a whole, made in one allocation. The
// numbers start with their opening space, so a prefix is followed by two spaces.
QString withPrefix(const QString& prefix, QLatin1StringView numbers)
{
    QString joined;
    joined.reserve(prefix.size() + 1 + numbers.size());
    joined.append(prefix).append(u' ').append(numbers);
    return trimSpaces(std::move(joined));
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
    const QLatin1StringView pick(pickText.data(), pickEnd - pickText.data());
    const QLatin1StringView sort(sortText.data(), sortEnd - sortText.data());
    // A pick of no numbers has only its opening space, and no prefix.
    if (numbers.empty())
        return PickTexts{QString(pick), QString(sort)};
    return PickTexts{withPrefix(prefix, pick.chopped(1)), withPrefix(prefix, sort.chopped(1))};
}

}  // namespace generation
