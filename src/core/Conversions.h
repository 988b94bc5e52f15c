#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The text and number conversions the program relies on, as pure functions.
namespace core {

// The number at the start of a text, else 0. Blanks (space, tab, line feed) are skipped
// anywhere, so "1 2" reads as 12; "." is the decimal point and an exponent is accepted.
double leadingValue(const QString& text);

// The whole text's number, blanks around it allowed, else empty; leadingValue() agrees.
std::optional<double> numericValue(const QString& text);
bool isNumeric(const QString& text);

// Rounds half to even; throws RuntimeFailure("Overflow") when the result exceeds 32 bits.
std::int32_t roundToInt32(double value);

// numericValue() rounded as above; throws RuntimeFailure("Type mismatch") if there is none.
std::int32_t wholeNumber(const QString& text);

// The most characters a value takes in either format below: a sign and ten digits.
inline constexpr int kMostDecimalChars = 11;

// Both write ASCII at `out` and return its end, so a long pick makes no text per number.
// Plain decimal: 7 -> "7", -5 -> "-5".
char* writePlainDecimal(char* out, std::int32_t value);

// The "00" pattern, sign in front: 7 -> "07", -5 -> "-05".
char* writeTwoDigit(char* out, std::int32_t value);

}  // namespace core
