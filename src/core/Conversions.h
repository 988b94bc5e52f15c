#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The text and number conversions the program relies on, as pure functions.
namespace core {

// The number at the start of a text. Blanks (space, tab, line feed) are skipped wherever
// they stand, so "1 2" reads as 12; reading stops at the first character that cannot
// continue the number; "." is the decimal point and an exponent is accepted; a text
// that does not start with a number gives 0.
double leadingValue(const QString& text);

// The number the whole text reads as, surrounding blanks allowed: an optionally signed
// decimal with an optional decimal point and exponent. Empty when the text is not a
// number. Wherever it gives a value, leadingValue() gives the same.
std::optional<double> numericValue(const QString& text);
bool isNumeric(const QString& text);

// Rounds to the nearest integer, halves to the even neighbour, into a signed 32-bit
// integer; throws RuntimeFailure("Overflow") when the result does not fit.
std::int32_t roundToInt32(double value);

// The whole-number conversion of a text: its numeric value rounded as above; throws
// RuntimeFailure("Type mismatch") when the text is not a number.
std::int32_t wholeNumber(const QString& text);

// The most characters a value takes in either format below: a sign and ten digits.
inline constexpr int kMostDecimalChars = 11;

// Writes the value in plain decimal, in ASCII, at `out` and returns the end of what it
// wrote: 7 -> "7", -5 -> "-5". Writing bytes, rather than returning a text, makes no text
// for each number of a pick of thousands.
char* writePlainDecimal(char* out, std::int32_t value);

// Writes the value in the "00" pattern, in ASCII, at `out` and returns the end of what it
// wrote: at least two digits, zero-padded, sign in front: 7 -> "07", -5 -> "-05".
char* writeTwoDigit(char* out, std::int32_t value);

}  // namespace core
