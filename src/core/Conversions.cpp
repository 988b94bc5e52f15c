#include "Conversions.h"

#include "RuntimeFailure.h"

#include <QLocale>
#include <QRegularExpression>

#include <charconv>
#include <cmath>
#include <limits>

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

struct ScannedNumber {
    double value = 0;
    qsizetype length = 0;  // the characters it takes, 0 when there is none
};

// The number at the start of `text`. Read in the C locale, so "." is the point whatever the
// user's locale; too large reads as infinity (overflowing when rounded), too tiny as 0.
ScannedNumber scanNumber(QStringView text)
{
    const QRegularExpressionMatch match = numberPattern().match(
        text, 0, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
    if (!match.hasMatch())
        return {};
    return {QLocale::c().toDouble(match.capturedView()), match.capturedLength()};
}

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

double leadingValue(const QString& text)
{
    QString digits = text;
    digits.removeIf(isBlank);  // blanks do not count anywhere
    return scanNumber(digits).value;
}

std::optional<double> numericValue(const QString& text)
{
    QStringView trimmed(text);
    while (!trimmed.isEmpty() && isBlank(trimmed.front()))
        trimmed = trimmed.mid(1);
    while (!trimmed.isEmpty() && isBlank(trimmed.back()))
        trimmed.chop(1);
    const ScannedNumber number = scanNumber(trimmed);
    if (number.length == 0 || number.length != trimmed.size())
        return std::nullopt;
    return number.value;
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

char* writePlainDecimal(char* out, std::int32_t value) { return writeDigits(out, value, false); }

char* writeTwoDigit(char* out, std::int32_t value) { return writeDigits(out, value, true); }

}  // namespace core
