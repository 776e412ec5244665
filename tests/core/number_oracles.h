#pragma once

// Oracles for the number texts, independent of NumberText: the C library's printf and strtod
// (tests and fuzzers run in the "C" locale) and regular expressions of the two grammars.
// Shared by the property tests and the fuzz targets.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>

namespace vexlet::oracle {

// The value rounded to 15 significant digits; negative zero becomes zero.
inline double roundedTo15Digits(double value)
{
    char text[48];
    std::snprintf(text, sizeof text, "%.14e", value);
    return std::strtod(text, nullptr) + 0.0;
}

// The decimal exponent of the first digit after rounding to 15 significant digits.
inline int roundedDecimalExponent(double value)
{
    char text[48];
    std::snprintf(text, sizeof text, "%.14e", value);
    return std::atoi(std::strchr(text, 'e') + 1);
}

// Every text formatNumber may write: "0", Infinity and NaN, exponent form, positional form.
inline bool isFormattedNumber(const std::string &text)
{
    static const std::regex grammar(R"(0|-?(Infinity|NaN)|-?[1-9](\.[0-9]*[1-9])?E[+-][0-9]{2,3})"
                                    R"(|-?(0|[1-9][0-9]*)(\.[0-9]*[1-9])?)");
    return std::regex_match(text, grammar);
}

// Whether the whole text is one decimal number, blanks allowed around it. The regex engine
// recurses per character, so callers keep texts short (a few hundred characters).
inline bool isStrictNumber(const std::string &text)
{
    static const std::regex grammar(
        R"([ \t\n]*[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?[ \t\n]*)");
    return std::regex_match(text, grammar);
}

} // namespace vexlet::oracle
