#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <fast_float/fast_float.h>
#include <fmt/compile.h>
#include <fmt/format.h>
#include <limits>

#ifdef __FAST_MATH__
#error "-ffast-math reorders and fuses the arithmetic that every shown digit depends on"
#endif

namespace vexlet {

namespace {

constexpr bool isBlank(char c) noexcept
{
    return c == ' ' || c == '\t' || c == '\n';
}
constexpr bool isDigit(char c) noexcept
{
    return c >= '0' && c <= '9';
}
constexpr bool isSign(char c) noexcept
{
    return c == '+' || c == '-';
}
constexpr bool isExponentLetter(char c) noexcept
{
    return c == 'E' || c == 'e';
}

// The longest prefix of `text` that is a number: an optional sign, digits with at most one '.',
// and an exponent only when a digit follows its letter and optional sign. Zero length when the
// mantissa holds no digit, since such a prefix is no number at all.
std::size_t numberPrefixLength(std::string_view text) noexcept
{
    std::size_t i = 0;
    if (i < text.size() && isSign(text[i]))
        ++i;
    bool hasDigit = false;
    bool hasPoint = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i]))
            hasDigit = true;
        else if (text[i] == '.' && !hasPoint)
            hasPoint = true;
        else
            break;
    }
    if (!hasDigit)
        return 0;
    if (i < text.size() && isExponentLetter(text[i])) {
        std::size_t j = i + 1;
        if (j < text.size() && isSign(text[j]))
            ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            return j;
        }
    }
    return i;
}

// The nearest double to a text that is wholly a number in the grammar above; beyond the double
// range infinity, below it zero.
double convertNumber(std::string_view number) noexcept
{
    const bool negative = number.front() == '-';
    if (isSign(number.front()))
        number.remove_prefix(1);
    double magnitude = 0.0;
    fast_float::from_chars(number.data(), number.data() + number.size(), magnitude);
    return negative ? -magnitude : magnitude;
}

// The significant digits (no trailing zeros) and decimal exponent of a finite, non-zero value
// rounded to 15 significant digits.
struct Decimal
{
    std::array<char, 17> digits {};
    std::size_t count = 0;
    int exponent = 0;
    bool negative = false;
};

constexpr int kSignificantDigits = 15;

// Reads a finite, non-zero number as {fmt} writes it, positional ("-0.00125") or with an
// exponent ("1.25e-05").
Decimal readDecimal(std::string_view text) noexcept
{
    Decimal decimal;
    decimal.negative = text.front() == '-';
    if (decimal.negative)
        text.remove_prefix(1);
    const std::size_t exponentAt = std::min(text.find('e'), text.size());
    const std::string_view mantissa = text.substr(0, exponentAt);
    const std::size_t pointAt = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t firstDigit = mantissa.find_first_of("123456789");
    for (char c : mantissa.substr(firstDigit)) {
        if (c != '.' && decimal.count < decimal.digits.size())
            decimal.digits[decimal.count++] = c;
    }
    while (decimal.count > 1 && decimal.digits[decimal.count - 1] == '0')
        --decimal.count;
    int exponent = 0;
    if (exponentAt < text.size()) {
        std::string_view exponentText = text.substr(exponentAt + 1);
        if (exponentText.front() == '+')
            exponentText.remove_prefix(1);
        std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    }
    const int pointShift = static_cast<int>(pointAt) - static_cast<int>(firstDigit);
    decimal.exponent = exponent + (firstDigit < pointAt ? pointShift - 1 : pointShift);
    return decimal;
}

// The shortest text that reads back as a normal double is also its 15-digit rounding whenever
// it has at most 15 digits: the double lies within 0.12 units of the 15th digit of that text, so
// no other 15-digit decimal is nearer. Subnormals have fewer bits and longer texts need the
// slower correctly rounded conversion.
Decimal roundTo15Digits(double value)
{
    std::array<char, 32> buffer {};
    if (std::fabs(value) >= std::numeric_limits<double>::min()) {
        const auto shortest
            = fmt::format_to_n(buffer.data(), buffer.size(), FMT_COMPILE("{}"), value);
        const Decimal decimal = readDecimal({buffer.data(), shortest.size});
        if (decimal.count <= kSignificantDigits)
            return decimal;
    }
    static_assert(kSignificantDigits == 15, "the precision below is kSignificantDigits - 1");
    const auto rounded
        = fmt::format_to_n(buffer.data(), buffer.size(), FMT_COMPILE("{:.14e}"), value);
    return readDecimal({buffer.data(), rounded.size});
}

// Positional form for exponents -4 to 14: integer digits (0 below one), then the remaining
// digits after a point.
std::size_t writePositional(char *out, const Decimal &decimal) noexcept
{
    char *next = out;
    const std::string_view digits(decimal.digits.data(), decimal.count);
    if (decimal.exponent < 0) {
        *next++ = '0';
        *next++ = '.';
        for (int i = -1; i > decimal.exponent; --i)
            *next++ = '0';
        for (char c : digits)
            *next++ = c;
        return static_cast<std::size_t>(next - out);
    }
    const auto integerDigits = static_cast<std::size_t>(decimal.exponent) + 1;
    for (std::size_t i = 0; i < integerDigits; ++i)
        *next++ = i < digits.size() ? digits[i] : '0';
    if (digits.size() > integerDigits) {
        *next++ = '.';
        for (char c : digits.substr(integerDigits))
            *next++ = c;
    }
    return static_cast<std::size_t>(next - out);
}

// Exponent form: one digit, the others after a point, then E, a sign and two or three digits.
std::size_t writeExponentForm(char *out, const Decimal &decimal) noexcept
{
    char *next = out;
    *next++ = decimal.digits[0];
    if (decimal.count > 1) {
        *next++ = '.';
        for (std::size_t i = 1; i < decimal.count; ++i)
            *next++ = decimal.digits[i];
    }
    *next++ = 'E';
    *next++ = decimal.exponent < 0 ? '-' : '+';
    const int magnitude = decimal.exponent < 0 ? -decimal.exponent : decimal.exponent;
    next = fmt::format_to(next, FMT_COMPILE("{:02}"), magnitude);
    return static_cast<std::size_t>(next - out);
}

double widen(Variant value) noexcept
{
    return std::visit([](auto number) { return static_cast<double>(number); }, value);
}

} // namespace

double parseLenient(std::string_view text)
{
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (!isBlank(c))
            compact += c;
    }
    const std::size_t length = numberPrefixLength(compact);
    return length == 0 ? 0.0 : convertNumber(std::string_view(compact).substr(0, length));
}

std::optional<double> parseStrict(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (text.empty() || numberPrefixLength(text) != text.size())
        return std::nullopt;
    return convertNumber(text);
}

std::string formatNumber(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0.0)
        return "0";

    const Decimal decimal = roundTo15Digits(value);
    // The longest text: '-', "0.000" and fifteen digits.
    std::array<char, 24> text {};
    std::size_t length = 0;
    if (decimal.negative)
        text[length++] = '-';
    if (decimal.exponent >= -4 && decimal.exponent < kSignificantDigits)
        length += writePositional(text.data() + length, decimal);
    else
        length += writeExponentForm(text.data() + length, decimal);
    return std::string(text.data(), length);
}

std::string formatInteger(std::int16_t value)
{
    return fmt::format_int(value).str();
}

double power(double base, double exponent) noexcept
{
    return std::pow(base, exponent);
}

Variant variantProduct(Variant left, Variant right) noexcept
{
    const auto *leftInteger = std::get_if<std::int16_t>(&left);
    const auto *rightInteger = std::get_if<std::int16_t>(&right);
    if (leftInteger && rightInteger) {
        const int product = *leftInteger * *rightInteger;
        if (product >= std::numeric_limits<std::int16_t>::min()
            && product <= std::numeric_limits<std::int16_t>::max())
            return static_cast<std::int16_t>(product);
        return static_cast<double>(product);
    }
    return widen(left) * widen(right);
}

Variant variantQuotient(Variant dividend, Variant divisor) noexcept
{
    return widen(dividend) / widen(divisor);
}

std::string variantText(Variant value)
{
    if (const auto *integer = std::get_if<std::int16_t>(&value))
        return formatInteger(*integer);
    return formatNumber(std::get<double>(value));
}

} // namespace vexlet
