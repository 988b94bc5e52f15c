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

// Prefix, a space, then the numbers (which open with a space), trimmed, in one allocation.
QString withPrefix(const QString& prefix, QLatin1StringView numbers)
{
    QString joined;
    joined.reserve(prefix.size() + 1 + numbers.size());
    joined.append(prefix).append(u' ').append(numbers);
    return trimSpaces(std::move(joined));
}

}  // namespace

// The numbers are written as ASCII into one buffer, so a long pick makes no text per number.
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
