#include "core/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
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

// The decimal exponent of the first non-zero digit of an unsigned number in the grammar above
// ("120" gives 2, "0.05e3" gives 1), saturated far outside the double range.
long long leadingDecimalExponent(std::string_view number) noexcept
{
    const std::size_t exponentAt = number.find_first_of("Ee");
    const std::string_view mantissa = number.substr(0, exponentAt);
    const std::size_t pointAt = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t firstNonZero = mantissa.find_first_of("123456789");
    if (firstNonZero == std::string_view::npos)
        return 0;
    long long exponent = static_cast<long long>(pointAt) - static_cast<long long>(firstNonZero);
    if (firstNonZero < pointAt)
        exponent -= 1;

    if (exponentAt == std::string_view::npos)
        return exponent;
    constexpr long long saturation = 1'000'000'000;
    std::string_view digits = number.substr(exponentAt + 1);
    const bool negative = digits.front() == '-';
    if (isSign(digits.front()))
        digits.remove_prefix(1);
    long long written = 0;
    for (char c : digits)
        written = std::min(saturation, written * 10 + (c - '0'));
    return exponent + (negative ? -written : written);
}

// The nearest double to a text that is wholly a number in the grammar above.
double convertNumber(std::string_view number) noexcept
{
    const bool negative = number.front() == '-';
    if (isSign(number.front()))
        number.remove_prefix(1);
    double magnitude = 0.0;
    const auto [end, error]
        = std::from_chars(number.data(), number.data() + number.size(), magnitude);
    if (error == std::errc::result_out_of_range) {
        magnitude
            = leadingDecimalExponent(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -magnitude : magnitude;
}

// Positional form of the significant digits `digits` (no trailing zeros) with decimal exponent
// `exponent` of the first digit, for exponents -4 to 14.
void appendPositional(std::string &out, std::string_view digits, int exponent)
{
    if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
        return;
    }
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
        out += digits;
        out.append(integerDigits - digits.size(), '0');
        return;
    }
    out += digits.substr(0, integerDigits);
    out += '.';
    out += digits.substr(integerDigits);
}

void appendExponentForm(std::string &out, std::string_view digits, int exponent)
{
    out += digits.front();
    if (digits.size() > 1) {
        out += '.';
        out += digits.substr(1);
    }
    out += 'E';
    out += exponent < 0 ? '-' : '+';
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10)
        out += '0';
    out += std::to_string(magnitude);
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

    // "-d.dddddddddddddde+ddd": fifteen significant digits, correctly rounded.
    constexpr int significantDigits = 15;
    std::array<char, 32> scientific {};
    const auto written = std::to_chars(scientific.data(), scientific.data() + scientific.size(),
                                       value, std::chars_format::scientific, significantDigits - 1);
    const std::string_view text(scientific.data(),
                                static_cast<std::size_t>(written.ptr - scientific.data()));

    const bool negative = text.front() == '-';
    const std::size_t mantissaStart = negative ? 1 : 0;
    const std::size_t exponentAt = text.find('e');
    std::string digits;
    for (char c : text.substr(mantissaStart, exponentAt - mantissaStart)) {
        if (c != '.')
            digits += c;
    }
    digits.erase(digits.find_last_not_of('0') + 1);

    int exponent = 0;
    std::string_view exponentText = text.substr(exponentAt + 1);
    if (exponentText.front() == '+')
        exponentText.remove_prefix(1);
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    std::string out;
    if (negative)
        out += '-';
    if (exponent >= -4 && exponent < significantDigits)
        appendPositional(out, digits, exponent);
    else
        appendExponentForm(out, digits, exponent);
    return out;
}

std::string formatInteger(std::int16_t value)
{
    std::array<char, 8> buffer {};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), written.ptr);
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
