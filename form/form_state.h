#pragma once

// The window's fields: the program's whole state. Commands read and write them as text and
// keep nothing anywhere else, so what a field does to a text on writing (a text box keeps only
// its first N characters) shows in every later result.

#include "core/battle_experience.h"
#include "form/field.h"
#include "form/window_layout.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vexlet {

// A field as the window's table describes it through the control that holds it.
struct FieldInfo
{
    Field field {};
    std::string_view name; // the control's name
    layout::ControlKind kind {}; // never a button: a button holds no field
    std::string_view initial; // text, caption or the list's edit text at start
    int limit = 0; // text fields: the most characters they keep; 0 for no limit
    bool initiallySet = false; // check and option fields: checked or selected at start
    bool disabled = false; // greyed, ignores the user
    std::size_t control = 0; // the position of its control in layout::kControls
};

namespace detail {

// Every field from the control that holds it; a field held by no control or by two does not
// compile.
constexpr std::array<FieldInfo, kFieldCount> fieldTable()
{
    std::array<FieldInfo, kFieldCount> table {};
    std::array<bool, kFieldCount> bound {};
    for (std::size_t i = 0; i < layout::kControls.size(); ++i) {
        const layout::Control &control = layout::kControls[i];
        if (!control.field)
            continue;
        const auto index = static_cast<std::size_t>(*control.field);
        if (bound[index])
            throw "two controls hold one field";
        if (control.kind == layout::ControlKind::button)
            throw "a button holds no field";
        bound[index] = true;
        table[index] = {
            *control.field,         control.name,          control.kind,          control.caption,
            control.look.maxLength, control.look.selected, control.look.disabled, i};
    }
    for (bool isBound : bound) {
        if (!isBound)
            throw "a field has no control";
    }
    return table;
}

} // namespace detail

// The fields in Field order.
inline constexpr std::array<FieldInfo, kFieldCount> kFieldTable = detail::fieldTable();

[[nodiscard]] constexpr const FieldInfo &fieldInfo(Field field) noexcept
{
    return kFieldTable[static_cast<std::size_t>(field)];
}

// The first `limit` characters of a UTF-8 text, counted as the window counts them (UTF-16 code
// units), never splitting a character. Invalid bytes count as one character each.
[[nodiscard]] std::string keepCharacters(std::string_view text, int limit);

// What the field keeps of `text` written into it: a text field with a limit its first `limit`
// characters, every other field all of it.
[[nodiscard]] std::string keptText(Field field, std::string_view text);

// The fields as the commands see them. Three implementations: a plain in-memory model, the
// desktop window's widgets and the page's elements; the commands cannot tell them apart. No
// operation converts or fails.
class FormState
{
public:
    virtual ~FormState() = default;

    // Text and caption fields. Writing a text field keeps its first `limit` characters.
    [[nodiscard]] virtual std::string text(Field field) const = 0;
    virtual void setText(Field field, std::string_view text) = 0;

    // The species list: items go to the end, in a row, in one call (on the page each call is
    // a trip into the browser); the position is -1 when nothing is selected.
    virtual void appendItems(std::span<const std::string_view> items) = 0;
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
