#include "session.h"

namespace vexlet::drive {

namespace {

// The code point of the valid UTF-8 sequence at the start of `text` and its length, or
// nothing when no valid sequence starts there.
std::optional<std::pair<char32_t, std::size_t>> decodeOne(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return std::pair {char32_t {lead}, std::size_t {1}};
    std::size_t length = 0;
    char32_t minimum = 0;
    char32_t point = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, minimum = 0x80, point = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, minimum = 0x800, point = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, minimum = 0x10000, point = lead & 0x07u;
    } else {
        return std::nullopt;
    }
    if (text.size() < length)
        return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return std::nullopt;
        point = (point << 6) | (byte(i) & 0x3Fu);
    }
    if (point < minimum || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return std::nullopt;
    return std::pair {point, length};
}

bool isControl(char32_t point)
{
    return point < 0x20 || (point >= 0x7F && point <= 0x9F);
}

} // namespace

std::string typeableText(std::string_view text)
{
    std::string typed;
    while (!text.empty()) {
        const auto decoded = decodeOne(text);
        if (!decoded) {
            typed += "\xEF\xBF\xBD";
            text.remove_prefix(1);
            continue;
        }
        const auto [point, length] = *decoded;
        if (!isControl(point))
            typed += text.substr(0, length);
        text.remove_prefix(length);
    }
    return typed;
}

} // namespace vexlet::drive
