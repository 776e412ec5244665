#pragma once

// The names of the window's fields: the program's whole state, one enumerator per field.

#include <cstdint>

namespace vexlet {

// In the window's reading order: selection, base values, stat grid, totals, flags, battle
// options, result and the two hidden scratch captions. The grid boxes, the base values and the
// flags each stand in one unbroken run, in stat-row order.
enum class Field : std::uint8_t {
    vexlist,
    level,
    exp,
    HP,
    attack,
    defense,
    speed,
    special1,
    special2,
    Text1,
    Text2,
    Text3,
    Text4,
    Text5,
    Text6,
    Text7,
    Text8,
    Text9,
    Text10,
    Text11,
    Text12,
    Text13,
    Text14,
    Text15,
    Text16,
    Text17,
    Text18,
    Text19,
    Text20,
    Text21,
    Text22,
    Text23,
    Text24,
    total,
    avg,
    a,
    b,
    c,
    d,
    e,
    f,
    wild,
    trainer,
    traded,
    pts,
    growth,
    up,
};
inline constexpr int kFieldCount = static_cast<int>(Field::up) + 1;

// The field `offset` places after `first` in the enumeration.
[[nodiscard]] constexpr Field fieldAfter(Field first, int offset) noexcept
{
    return static_cast<Field>(static_cast<int>(first) + offset);
}

// The grid box Text1 to Text24 with that number.
[[nodiscard]] constexpr Field gridField(int number) noexcept
{
    return fieldAfter(Field::Text1, number - 1);
}

} // namespace vexlet
