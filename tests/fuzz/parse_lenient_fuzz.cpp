// parseLenient on any bytes: never NaN, blind to blanks, equal to the strict reading wherever
// that one accepts, and stable through formatNumber.

#include "core/number_text.h"
#include "fuzz_check.h"
#include "number_oracles.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace vexlet;
    const std::string text(reinterpret_cast<const char *>(data), size);
    const double value = parseLenient(text);
    fuzz::require(!std::isnan(value), "the lenient reading is a number", text);

    std::string withoutBlanks;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            withoutBlanks += c;
    }
    fuzz::require(parseLenient(withoutBlanks) == value || std::isnan(value),
                  "blanks make no difference", text);

    if (const std::optional<double> strict = parseStrict(text))
        fuzz::require(*strict == value, "lenient equals strict where strict accepts", text);

    const std::string shown = formatNumber(value);
    fuzz::require(oracle::isFormattedNumber(shown), "formatNumber grammar", shown);
    if (std::isfinite(value))
        fuzz::require(parseLenient(shown) == oracle::roundedTo15Digits(value),
                      "shown text reads back as the 15-digit rounding", shown);
    return 0;
}
