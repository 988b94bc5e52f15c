// Feeds any text to the number conversions and checks them against each other and against
// independent references: the C library's strtod() for plain ASCII numbers, and rounding
// worked out from floor().

#include "Conversions.h"
#include "FuzzCheck.h"
#include "RuntimeFailure.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace {

bool failsWith(const QString& description, auto&& call)
{
    try {
        call();
    } catch (const core::RuntimeFailure& failure) {
        return failure.description() == description;
    }
    return false;
}

// Nearest integer, halves to the even neighbour, without std::nearbyint().
double roundedHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction != 0.5)
        return fraction < 0.5 ? below : below + 1;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

void checkRounding(double value)
{
    if (std::isnan(value))
        return;
    const double expected = roundedHalfEven(value);
    if (expected >= std::numeric_limits<std::int32_t>::min()
        && expected <= std::numeric_limits<std::int32_t>::max())
        FUZZ_CHECK(core::roundToInt32(value) == expected);
    else
        FUZZ_CHECK(failsWith(QStringLiteral("Overflow"), [&] { core::roundToInt32(value); }));
}

void checkFormats(std::int32_t value)
{
    char written[core::kMostDecimalChars];
    const std::string digits(written, core::writeTwoDigit(written, value));
    FUZZ_CHECK(std::stoll(digits) == value && digits.size() >= (value < 0 ? 3u : 2u));
    FUZZ_CHECK(std::stoll(std::string(written, core::writePlainDecimal(written, value))) == value);
}

// For a text of digits, signs, points and exponents only, strtod() reads the same number
// (the fuzzer does not set a locale, so its decimal point is ".").
void checkAgainstStrtod(const std::string& text, double leading)
{
    if (text.empty() || text.find_first_not_of("0123456789+-.eE") != std::string::npos)
        return;
    char* end = nullptr;
    const double expected = std::strtod(text.c_str(), &end);
    if (end != text.c_str())
        FUZZ_CHECK(leading == expected);
}

void checkText(const QString& text, const std::string& bytes)
{
    const double leading = core::leadingValue(text);
    FUZZ_CHECK(!std::isnan(leading));
    checkAgainstStrtod(bytes, leading);

    const std::optional<double> numeric = core::numericValue(text);
    FUZZ_CHECK(core::isNumeric(text) == numeric.has_value());
    if (!numeric) {
        FUZZ_CHECK(failsWith(QStringLiteral("Type mismatch"), [&] { core::wholeNumber(text); }));
        return;
    }
    FUZZ_CHECK(*numeric == leading);
    checkRounding(*numeric);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    checkText(QString::fromUtf8(bytes.data(), qsizetype(bytes.size())), bytes);
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        checkRounding(value);
        std::int32_t whole = 0;
        std::memcpy(&whole, data, sizeof whole);
        checkFormats(whole);
    }
    return 0;
}
