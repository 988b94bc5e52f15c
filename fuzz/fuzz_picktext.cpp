// Builds the texts of a pick from any numbers, either separator and any prefix, and checks
// their shape: no leading or trailing spaces, the prefix in front, the numbers at the end.

#include "FuzzCheck.h"
#include "PickText.h"

#include <QString>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

bool hasOuterSpaces(const QString& text) { return text.startsWith(u' ') || text.endsWith(u' '); }

void checkTexts(const std::vector<std::int32_t>& numbers, QChar separator, const QString& prefix)
{
    using generation::makePickTexts;
    const generation::PickTexts texts = makePickTexts(numbers, separator, prefix);
    if (numbers.empty()) {
        FUZZ_CHECK(texts.pickText == u" " && texts.sortText == u" ");
        return;
    }
    FUZZ_CHECK(!hasOuterSpaces(texts.pickText) && !hasOuterSpaces(texts.sortText));
    const generation::PickTexts bare = makePickTexts(numbers, separator, QString());
    FUZZ_CHECK(texts.pickText.endsWith(bare.pickText) && texts.sortText.endsWith(bare.sortText));
    FUZZ_CHECK(bare.sortText.size() >= bare.pickText.size());
    const QString leadingPart = generation::trimSpaces(prefix + u'.').chopped(1);
    FUZZ_CHECK(texts.pickText.startsWith(leadingPart) && texts.sortText.startsWith(leadingPart));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const QChar separator = input.ConsumeBool() ? u'-' : u' ';
    std::vector<std::int32_t> numbers(input.ConsumeIntegralInRange<std::size_t>(0, 64));
    for (std::int32_t& number : numbers)
        number = input.ConsumeIntegral<std::int32_t>();
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    const QString prefix = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    checkTexts(numbers, separator, prefix);
    FUZZ_CHECK(!hasOuterSpaces(generation::trimSpaces(prefix)));
    return 0;
}
