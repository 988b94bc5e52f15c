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

PickTexts makePickTexts(const std::vector<std::int32_t>& numbers, QChar separator,
                        const QString& prefix)
{
    PickTexts texts{QStringLiteral(" "), QStringLiteral(" ")};
    for (const std::int32_t number : numbers) {
        core::appendPlainDecimal(texts.pickText, number);
        texts.pickText += separator;
        core::appendTwoDigit(texts.sortText, number);
        texts.sortText += separator;
    }
    if (!trimSpaces(texts.pickText).isEmpty()) {
        texts.pickText = withPrefix(prefix, texts.pickText);
        texts.sortText = withPrefix(prefix, texts.sortText);
    }
    return texts;
}

}  // namespace generation
