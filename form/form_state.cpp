#include "form/form_state.h"

namespace vexlet {

namespace {

// Bytes in the UTF-8 sequence that `lead` opens, or 1 for a byte that opens none.
std::size_t sequenceLength(unsigned char lead) noexcept
{
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    if (lead >= 0xE0)
        return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2)
        return 2;
    return 1;
}

bool isContinuation(unsigned char byte) noexcept
{
    return (byte & 0xC0) == 0x80;
}

} // namespace

std::string keepCharacters(std::string_view text, int limit)
{
    std::size_t end = 0;
    int units = 0;
    while (end < text.size()) {
        std::size_t length = sequenceLength(static_cast<unsigned char>(text[end]));
        if (end + length > text.size())
            length = 1;
        for (std::size_t i = 1; i < length; ++i) {
            if (!isContinuation(static_cast<unsigned char>(text[end + i]))) {
                length = 1;
                break;
            }
        }
        const int width = length == 4 ? 2 : 1; // beyond the BMP: a surrogate pair
        if (units + width > limit)
            break;
        units += width;
        end += length;
    }
    return std::string(text.substr(0, end));
}

std::string keptText(Field field, std::string_view text)
{
    const int limit = fieldInfo(field).limit;
    return limit > 0 ? keepCharacters(text, limit) : std::string(text);
}

} // namespace vexlet
