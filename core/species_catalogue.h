#pragma once

// The built-in species data: the labels of the species list and, for each of the 151 species,
// its base experience yield and six base statistics. Everything is reached by list position,
// which is the species' number in the game.

#include <array>
#include <cstdint>
#include <string_view>
#include <variant>

namespace vexlet {

inline constexpr int kSpeciesCount = 151;
// The placeholder at position 0 plus one label per species.
inline constexpr int kListLabelCount = kSpeciesCount + 1;
inline constexpr std::string_view kPlaceholderLabel = "< select from list >";

// Base values of one species, in the order the window shows them. Field names follow the
// window's own labels; `special1` is special attack and `special2` special defence.
struct SpeciesRecord
{
    std::int16_t exp = 0;
    std::int16_t HP = 0;
    std::int16_t attack = 0;
    std::int16_t defense = 0;
    std::int16_t speed = 0;
    std::int16_t special1 = 0;
    std::int16_t special2 = 0;

    friend constexpr bool operator==(const SpeciesRecord &, const SpeciesRecord &) = default;
};

// The seven values of a record in the order the window shows them, `exp` first.
[[nodiscard]] constexpr std::array<std::int16_t, 7> valuesOf(const SpeciesRecord &record)
{
    return {record.exp,   record.HP,       record.attack,  record.defense,
            record.speed, record.special1, record.special2};
}

// The six statistics of a record (without `exp`), HP first.
[[nodiscard]] constexpr std::array<std::int16_t, 6> statisticsOf(const SpeciesRecord &record)
{
    return {record.HP,    record.attack,   record.defense,
            record.speed, record.special1, record.special2};
}

struct Found
{
    SpeciesRecord record;
};
struct NoSelection
{
};
using LookupResult = std::variant<Found, NoSelection>;

// The 152 list labels in position order: the placeholder, then the species 1 to 151.
[[nodiscard]] const std::array<std::string_view, kListLabelCount> &listLabels() noexcept;

// The record at list `position` (the list's signed 16-bit selected index): Found for 1 to 151,
// NoSelection for the placeholder 0, for -1 (nothing selected) and for every other value.
[[nodiscard]] LookupResult lookup(std::int16_t position) noexcept;

} // namespace vexlet
