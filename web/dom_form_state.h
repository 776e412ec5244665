#pragma once

// The fields held by the page's elements: labels for captions, inputs for text boxes, check
// boxes and option buttons, and the species list's edit field. A drop-in for the plain model, as
// the widgets are on the desktop. The list's picked item is the option marked selected.
//
// While a message is shown the command goes on (a page cannot wait for a dialog), so what it
// writes from then on is held back and shown when the message is closed, as the desktop window
// shows it only once its message box returns. Reads see the held values.

#include "form/form_state.h"

#include <array>
#include <emscripten/val.h>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vexlet {

class DomFormState final : public FormState
{
public:
    // The markup of one item of a list's popup, the list's to write.
    using ItemMarkup = std::string (*)(std::string_view list, int position, std::string_view text);

    // `elements` holds the element of each field, indexed by Field; `options` the species
    // list's popup, whose children are its items, written by `itemMarkup`.
    DomFormState(const std::vector<emscripten::val> &elements, emscripten::val options,
                 ItemMarkup itemMarkup);

    [[nodiscard]] std::string text(Field field) const override;
    void setText(Field field, std::string_view text) override;
    void appendItems(std::span<const std::string_view> items) override;
    [[nodiscard]] std::int16_t selectedPosition() const override;
    [[nodiscard]] CheckValue value(Field field) const override;
    void setValue(Field field, CheckValue value) override;
    [[nodiscard]] bool isSelected(Field field) const override;

    // The user's side of the species list: picking an item selects it and shows its text;
    // typing selects nothing. The arrow keys and the wheel pick the item before or after the
    // one picked last, which typing leaves in place, the first item before any pick.
    void pickItem(int position);
    void stepItem(int step);
    void typeListText();
    [[nodiscard]] int itemCount() const;
    // The item picked last, which the list marks when it opens.
    [[nodiscard]] int currentItem() const { return m_current; }

    // From now on writes are held back, until showHeldWrites.
    void holdWrites() { m_holding = true; }
    void showHeldWrites();

private:
    [[nodiscard]] emscripten::val element(Field field) const
    {
        return m_elements[static_cast<std::size_t>(field)];
    }
    void show(Field field, const std::string &text) const;
    void show(Field field, CheckValue value) const;
    void markSelected(int position);

    std::vector<emscripten::val> m_elements; // one per field, in Field order
    emscripten::val m_options;
    ItemMarkup m_itemMarkup;
    std::int16_t m_position = -1;
    int m_current = -1;
    bool m_holding = false;
    std::array<std::optional<std::string>, kFieldCount> m_heldTexts;
    std::array<std::optional<CheckValue>, kFieldCount> m_heldValues;
};

} // namespace vexlet
