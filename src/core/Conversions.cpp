#include "Conversions.h"

#include "RuntimeFailure.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace core {

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Walks a text one character at a time.
class TextCursor {
public:
    explicit TextCursor(QStringView text) : text_(text) {}
    QChar peek() const { return pos_ < text_.size() ? text_[pos_] : QChar(); }
    QChar take()
    {
        const QChar c = peek();
        ++pos_;
        return c;
    }
    qsizetype mark() const { return pos_; }
    void reset(qsizetype mark) { pos_ = mark; }
    bool atEnd() const { return pos_ >= text_.size(); }

private:
    QStringView text_;
    qsizetype pos_ = 0;
};

// Moves a sign at the cursor to `out`.
void takeSign(TextCursor& in, std::string& out)
{
    if (in.peek() == u'+' || in.peek() == u'-')
        out += char(in.take().unicode());
}

// Moves the digits at the cursor to `out`; false when there are none.
bool takeDigits(TextCursor& in, std::string& out)
{
    const std::size_t start = out.size();
    while (isDigit(in.peek()))
        out += char(in.take().unicode());
    return out.size() > start;
}

// The number at the cursor in the form strtod() reads; empty when it has no digit.
std::string scanNumber(TextCursor& in)
{
    std::string out;
    takeSign(in, out);
    bool digits = takeDigits(in, out);
    if (in.peek() == u'.') {
        out += char(in.take().unicode());
        digits = takeDigits(in, out) || digits;
    }
    if (!digits)
        return {};
    if (in.peek() == u'e' || in.peek() == u'E') {
        auto mark = in.mark();
        in.take();
        std::string exponent = "e";
        takeSign(in, exponent);
        if (takeDigits(in, exponent))
            out += exponent;
        else
            in.reset(mark);
    }
    return out;
}

// A scanned number's exponent, 0 without one; held at 2^53, far beyond any double's range.
std::int64_t exponentOf(const std::string& number)
{
    constexpr std::int64_t kBound = std::int64_t(1) << 53;
    const std::size_t e = number.find('e');
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
    const std::string_view mantissa(number.data(), std::min(number.find('e'), number.size()));
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
    TextCursor in(digits);
    const std::string number = scanNumber(in);
    return number.empty() ? 0.0 : toDouble(number);
}

std::optional<double> numericValue(const QString& text)
{
    QStringView trimmed(text);
    while (!trimmed.isEmpty() && isBlank(trimmed.front()))
        trimmed = trimmed.mid(1);
    while (!trimmed.isEmpty() && isBlank(trimmed.back()))
        trimmed.chop(1);
    TextCursor in(trimmed);
    const std::string number = scanNumber(in);
    if (number.empty() || !in.atEnd())
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
