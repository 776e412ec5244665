#pragma once

// Shared checks of the number-text fuzz targets: a property that fails aborts with its name, so
// libFuzzer keeps the input that broke it.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>

namespace vexlet::fuzz {

inline void require(bool holds, const char *property, const std::string &detail)
{
    if (holds)
        return;
    std::fprintf(stderr, "property violated: %s (%s)\n", property, detail.c_str());
    std::abort();
}

// The value rounded to 15 significant digits, by the C library (the fuzzers run in the C
// locale): an oracle independent of formatNumber.
inline double roundedTo15Digits(double value)
{
    char text[48];
    std::snprintf(text, sizeof text, "%.14e", value);
    return std::strtod(text, nullptr) + 0.0;
}

// The decimal exponent of the value's first digit after rounding to 15 significant digits.
inline int roundedDecimalExponent(double value)
{
    char text[48];
    std::snprintf(text, sizeof text, "%.14e", value);
    return std::atoi(std::strchr(text, 'e') + 1);
}

// Every text formatNumber writes: "0", Infinity and NaN, exponent form, or positional form.
inline bool isFormattedNumber(const std::string &text)
{
    static const std::regex grammar(
        R"(0|-?(Infinity|NaN)|-?[1-9](\.[0-9]*[1-9])?E[+-][0-9]{2,3}|-?(0|[1-9][0-9]*)(\.[0-9]*[1-9])?)");
    return std::regex_match(text, grammar);
}

} // namespace vexlet::fuzz
