// formatNumber on any double: its grammar, positional form exactly for decimal exponents -4 to
// 14, and a text that reads back as the value rounded to 15 significant digits.

#include "core/number_text.h"
#include "fuzz_check.h"
#include "number_oracles.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace vexlet;
    for (std::size_t offset = 0; offset + sizeof(double) <= size; offset += sizeof(double)) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, data + offset, sizeof bits);
        const double value = std::bit_cast<double>(bits);
        const std::string text = formatNumber(value);
        fuzz::require(oracle::isFormattedNumber(text), "grammar", text);
        if (!std::isfinite(value)) {
            fuzz::require(text.find_first_of("0123456789") == std::string::npos,
                          "no digits for infinities and NaN", text);
            continue;
        }
        const double rounded = oracle::roundedTo15Digits(value);
        fuzz::require(parseLenient(text) == rounded, "reads back as the 15-digit rounding", text);
        if (rounded != 0.0) {
            const int exponent = oracle::roundedDecimalExponent(value);
            const bool positional = text.find('E') == std::string::npos;
            fuzz::require(positional == (exponent >= -4 && exponent <= 14),
                          "positional form for exponents -4 to 14", text);
        }
    }
    return 0;
}
