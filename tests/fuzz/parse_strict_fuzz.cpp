// parseStrict on any bytes: accepts exactly the texts of the number grammar (blanks around
// allowed), and then reads them as strtod and the lenient reading do.

#include "core/number_text.h"
#include "fuzz_check.h"
#include "number_oracles.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace vexlet;
    const std::string text(reinterpret_cast<const char *>(data), size);
    const std::optional<double> strict = parseStrict(text);

    // The regex engine recurses per character; longer texts skip only this comparison.
    constexpr std::size_t longestForRegex = 256;
    if (size <= longestForRegex) {
        fuzz::require(strict.has_value() == oracle::isStrictNumber(text),
                      "accepts exactly the grammar", text);
    }
    if (!strict)
        return 0;
    fuzz::require(*strict == std::strtod(text.c_str(), nullptr), "nearest double, as strtod", text);
    fuzz::require(*strict == parseLenient(text), "strict equals lenient", text);
    return 0;
}
