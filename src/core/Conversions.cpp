#include "Conversions.h"

#include "RuntimeFailure.h"

#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace core {

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; }

// A number as strtod() reads it: a sign, digits with at most one point (a digit on either
// side), then an exponent only where digits follow it.
const QRegularExpression& numberPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("[+-]?(?:[0-9]+(?:\\.[0-9]*)?|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?"));
    return pattern;
}

// The number at the start of `text`, empty when there is none; `length` is what it takes.
std::string scanNumber(QStringView text, qsizetype& length)
{
    const QRegularExpressionMatch match = numberPattern().match(
        text, 0, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
    length = match.capturedLength();
    return match.captured().toStdString();
}

// A scanned number's exponent, 0 without one; held at 2^53, far beyond any double's range.
std::int64_t exponentOf(const std::string& number)
{
    constexpr std::int64_t kBound = std::int64_t(1) << 53;
    const std::size_t e = number.find_first_of("eE");
    if (e == std::string::npos)
        return 0;
    const bool negative = number[e + 1] == '-';
    const std::size_t digits = e + 1 + ((number[e + 1] == '-' || number[e + 1] == '+') ? 1 : 0);
    std::int64_t magnitude = 0;
    if (std::from_chars(number.data() + digits, number.data() + number.size(), magnitude).ec
        != std::errc())
        magnitude = kBound;
    magnitude = std::min(magnitude, kBound);
    return negative ? -magnitude : magnitude;
}

// Whether a scanned number with a nonzero digit is at least 1 in magnitude.
bool atLeastOne(const std::string& number)
{
    const std::string_view mantissa(number.data(),
                                    std::min(number.find_first_of("eE"), number.size()));
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    const std::int64_t place =
        first < point ? std::int64_t(point - first) - 1 : -std::int64_t(first - point);
    return place + exponentOf(number) >= 0;
}

// Locale-independent; too large reads as infinity (overflowing when rounded), too tiny as 0.
double toDouble(const std::string& number)
{
    const bool negative = number.front() == '-';
    const std::size_t start = (number.front() == '-' || number.front() == '+') ? 1 : 0;
    double value = 0;
    const auto result =
        std::from_chars(number.data() + start, number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = atLeastOne(number) ? HUGE_VAL : 0.0;
    return negative ? -value : value;
}

}  // namespace

double leadingValue(const QString& text)
{
    QString digits = text;
    digits.removeIf(isBlank);  // blanks do not count anywhere
    qsizetype length = 0;
    const std::string number = scanNumber(digits, length);
    return number.empty() ? 0.0 : toDouble(number);
}

std::optional<double> numericValue(const QString& text)
{
    QStringView trimmed(text);
    while (!trimmed.isEmpty() && isBlank(trimmed.front()))
        trimmed = trimmed.mid(1);
    while (!trimmed.isEmpty() && isBlank(trimmed.back()))
        trimmed.chop(1);
    qsizetype length = 0;
    const std::string number = scanNumber(trimmed, length);
    if (number.empty() || length != trimmed.size())
        return std::nullopt;
    return toDouble(number);
}

bool isNumeric(const QString& text) { return numericValue(text).has_value(); }

std::int32_t roundToInt32(double value)
{
    const double rounded = std::nearbyint(value);  // the default rounding mode: halves to even
    if (!(rounded >= double(std::numeric_limits<std::int32_t>::min())
          && rounded <= double(std::numeric_limits<std::int32_t>::max())))
        throw RuntimeFailure(QStringLiteral("Overflow"));
    return static_cast<std::int32_t>(rounded);
}

std::int32_t wholeNumber(const QString& text)
{
    const std::optional<double> value = numericValue(text);
    if (!value)
        throw RuntimeFailure(QStringLiteral("Type mismatch"));
    return roundToInt32(*value);
}

namespace {

char* writeDigits(char* out, std::int32_t value, bool twoDigits)
{
    const std::int64_t magnitude = value < 0 ? -std::int64_t(value) : std::int64_t(value);
    if (value < 0)
        *out++ = '-';
    if (twoDigits && magnitude < 10)
        *out++ = '0';
    constexpr int kMostDigits = kMostDecimalChars - 1;  // the sign is written already
    return std::to_chars(out, out + kMostDigits, magnitude).ptr;
}

}  // namespace

char* writePlainDecimal(char* out, std::int32_t value) { return writeDigits(out, value, false); }

char* writeTwoDigit(char* out, std::int32_t value) { return writeDigits(out, value, true); }

}  // namespace core
