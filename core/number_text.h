#pragma once

// Conversions between the texts the window holds and the doubles the formulas use. Every number
// the program shows lives as text in a field; each command reads texts, computes in doubles and
// writes texts back, so these few functions decide every digit the user sees.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vexlet {

// Reads the leading number of `text`. Blanks, tabs and line feeds are removed wherever they
// stand first ("7 0" reads 70). The number is an optional sign, ASCII digits with at most one
// '.', and an optional exponent ('E' or 'e', optional sign, digits); an exponent letter that no
// digit follows is not part of it, and reading stops at the first character that cannot extend
// it ("1,5" reads 1). Gives the nearest double; 0 when no digit leads (empty text, "abc", ".");
// infinity beyond the double range and zero below it. Never fails.
[[nodiscard]] double parseLenient(std::string_view text);

// Reads `text` as one whole decimal number in the grammar above, blanks allowed only before and
// after it. Gives the nearest double, or nothing for any other text: empty, blanks only, "70abc",
// "1e", "1,5", "inf", "0x10". Hexadecimal, grouping and currency forms are not numbers here.
[[nodiscard]] std::optional<double> parseStrict(std::string_view text);

// Writes `value` rounded to 15 significant digits, '.' as decimal point, no grouping, no '+'
// before the number. Decimal exponents -4 to 14 give positional form ("640", "0.8", "0.0001");
// others give exponent form with a signed exponent of at least two digits ("1E+15", "1E-05").
// Zero of either sign gives "0"; infinities and NaN give "Infinity", "-Infinity" and "NaN".
// Built from the 15-digit rounding, so 0.1 * 3 gives "0.3".
[[nodiscard]] std::string formatNumber(double value);

// The plain decimal digits of `value`, with '-' when negative.
[[nodiscard]] std::string formatInteger(std::int16_t value);

// `base` raised to `exponent` by one call of the C library's pow, never by repeated products.
// We rely on pow rounding the exact power correctly for the squares and cubes the growth curves
// take. glibc's pow, accurate to about half an ulp, does so for every value the tests check; a
// library that rounds differently fails GrowthCurves.PowersAreSingleRoundedOperations and the
// growth tables of tests/core/growth_curves_test.cpp.
[[nodiscard]] double power(double base, double exponent) noexcept;

// The comparison of two shown numbers passes both sides through this conversion; for the finite
// doubles that reach it, it gives the value unchanged.
[[nodiscard]] constexpr double convertToDouble(double value) noexcept
{
    return value;
}

// A tagged number: a 16-bit integer or a double. The battle-experience factors are one or the
// other, and the tag decides how the product and quotient are formed.
using Variant = std::variant<std::int16_t, double>;

// With at least one double operand, the integer (if any) is widened exactly and the result is
// the double product. Two integers give their integer product while it fits 16 bits, else the
// double product.
[[nodiscard]] Variant variantProduct(Variant left, Variant right) noexcept;

// Both operands widened to double; the result is always the double quotient.
[[nodiscard]] Variant variantQuotient(Variant dividend, Variant divisor) noexcept;

// formatNumber of a double, formatInteger of an integer.
[[nodiscard]] std::string variantText(Variant value);

} // namespace vexlet
