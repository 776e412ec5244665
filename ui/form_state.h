#pragma once

// The window's fields: the program's whole state. Commands read and write them as text and
// keep nothing anywhere else, so what a field does to a text on writing (a text box keeps only
// its first N characters) shows in every later result.

#include "core/battle_experience.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vexlet {

// Every field, in the window's reading order: selection, base values, stat grid, totals, flags,
// battle options, result and the two hidden scratch captions.
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

enum class FieldKind {
    text, // a text box; `limit` characters at most when it has one
    caption, // a label: only commands write it, any length
    list, // the species combo box
    check, // a check box: 0, 1 or 2 (greyed)
    option, // one of the two battle option buttons
};

struct FieldInfo
{
    Field field;
    std::string_view name;
    FieldKind kind;
    std::string_view initial; // text, caption or list edit text; "0"/"1" for check and option
    int limit = 0; // text fields: the most characters they keep; 0 for no limit
};

inline constexpr int kGridLimit = 3;
inline constexpr int kLevelLimit = 3;
inline constexpr int kAverageLimit = 4;
inline constexpr int kPointsLimit = 4;

// clang-format off
inline constexpr std::array<FieldInfo, kFieldCount> kFieldTable = {{
    {Field::vexlist, "vexlist", FieldKind::list, "< select from list >"},
    {Field::level, "level", FieldKind::text, "70", kLevelLimit},
    {Field::exp, "exp", FieldKind::caption, "0"},
    {Field::HP, "HP", FieldKind::caption, "0"},
    {Field::attack, "attack", FieldKind::caption, "0"},
    {Field::defense, "defense", FieldKind::caption, "0"},
    {Field::speed, "speed", FieldKind::caption, "0"},
    {Field::special1, "special1", FieldKind::caption, "0"},
    {Field::special2, "special2", FieldKind::caption, "0"},
    {Field::Text1, "Text1", FieldKind::text, "0", kGridLimit},
    {Field::Text2, "Text2", FieldKind::text, "0", kGridLimit},
    {Field::Text3, "Text3", FieldKind::text, "0", kGridLimit},
    {Field::Text4, "Text4", FieldKind::text, "0", kGridLimit},
    {Field::Text5, "Text5", FieldKind::text, "0", kGridLimit},
    {Field::Text6, "Text6", FieldKind::text, "0", kGridLimit},
    {Field::Text7, "Text7", FieldKind::text, "0", kGridLimit},
    {Field::Text8, "Text8", FieldKind::text, "0", kGridLimit},
    {Field::Text9, "Text9", FieldKind::text, "0", kGridLimit},
    {Field::Text10, "Text10", FieldKind::text, "0", kGridLimit},
    {Field::Text11, "Text11", FieldKind::text, "0", kGridLimit},
    {Field::Text12, "Text12", FieldKind::text, "0", kGridLimit},
    {Field::Text13, "Text13", FieldKind::text, "0", kGridLimit},
    {Field::Text14, "Text14", FieldKind::text, "0", kGridLimit},
    {Field::Text15, "Text15", FieldKind::text, "0", kGridLimit},
    {Field::Text16, "Text16", FieldKind::text, "0", kGridLimit},
    {Field::Text17, "Text17", FieldKind::text, "0", kGridLimit},
    {Field::Text18, "Text18", FieldKind::text, "0", kGridLimit},
    {Field::Text19, "Text19", FieldKind::text, "0", kGridLimit},
    {Field::Text20, "Text20", FieldKind::text, "0", kGridLimit},
    {Field::Text21, "Text21", FieldKind::text, "0", kGridLimit},
    {Field::Text22, "Text22", FieldKind::text, "0", kGridLimit},
    {Field::Text23, "Text23", FieldKind::text, "0", kGridLimit},
    {Field::Text24, "Text24", FieldKind::text, "0", kGridLimit},
    {Field::total, "total", FieldKind::caption, "0"},
    {Field::avg, "avg", FieldKind::text, "0", kAverageLimit},
    {Field::a, "a", FieldKind::check, "0"},
    {Field::b, "b", FieldKind::check, "0"},
    {Field::c, "c", FieldKind::check, "0"},
    {Field::d, "d", FieldKind::check, "0"},
    {Field::e, "e", FieldKind::check, "0"},
    {Field::f, "f", FieldKind::check, "0"},
    {Field::wild, "wild", FieldKind::option, "1"},
    {Field::trainer, "trainer", FieldKind::option, "0"},
    {Field::traded, "traded", FieldKind::check, "0"},
    {Field::pts, "pts", FieldKind::text, "0", kPointsLimit},
    {Field::growth, "growth", FieldKind::caption, "0"},
    {Field::up, "up", FieldKind::caption, "0"},
}};
// clang-format on

[[nodiscard]] constexpr const FieldInfo &fieldInfo(Field field) noexcept
{
    return kFieldTable[static_cast<std::size_t>(field)];
}

[[nodiscard]] constexpr std::optional<Field> fieldNamed(std::string_view name) noexcept
{
    for (const FieldInfo &info : kFieldTable) {
        if (info.name == name)
            return info.field;
    }
    return std::nullopt;
}

// The grid box Text1 to Text24 with that number.
[[nodiscard]] constexpr Field gridField(int number) noexcept
{
    return static_cast<Field>(static_cast<int>(Field::Text1) + number - 1);
}

// The first `limit` characters of a UTF-8 text, counted as the window counts them (UTF-16 code
// units), never splitting a character. Invalid bytes count as one character each.
[[nodiscard]] std::string keepCharacters(std::string_view text, int limit);

// The fields as the commands see them. Two implementations: a plain in-memory model and the
// real window's widgets; the commands cannot tell them apart. No operation converts or fails.
class FormState
{
public:
    virtual ~FormState() = default;

    // Text and caption fields. Writing a text field keeps its first `limit` characters.
    [[nodiscard]] virtual std::string text(Field field) const = 0;
    virtual void setText(Field field, std::string_view text) = 0;

    // The species list: items go to the end; the position is -1 when nothing is selected.
    virtual void appendItem(std::string_view item) = 0;
    [[nodiscard]] virtual std::int16_t selectedPosition() const = 0;

    // Check fields.
    [[nodiscard]] virtual CheckValue value(Field field) const = 0;
    virtual void setValue(Field field, CheckValue value) = 0;

    // Option fields.
    [[nodiscard]] virtual bool isSelected(Field field) const = 0;

protected:
    FormState() = default;
    FormState(const FormState &) = default;
    FormState &operator=(const FormState &) = default;
};

} // namespace vexlet
