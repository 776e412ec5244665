#pragma once

// The fields held in plain memory, with the user's side of each field: what picking, typing and
// clicking do to it. The commands run against it exactly as against the window.

#include "form/form_state.h"

#include <array>
#include <vector>

namespace vexlet {

class FormModel final : public FormState
{
public:
    FormModel();

    [[nodiscard]] std::string text(Field field) const override;
    void setText(Field field, std::string_view text) override;
    void appendItems(std::span<const std::string_view> items) override;
    [[nodiscard]] std::int16_t selectedPosition() const override;
    [[nodiscard]] CheckValue value(Field field) const override;
    void setValue(Field field, CheckValue value) override;
    [[nodiscard]] bool isSelected(Field field) const override;

    // The user's actions. Picking selects an item and shows its text; typing into the list's
    // edit text selects nothing, whatever is typed.
    void pickItem(int position);
    void typeListText(std::string_view text);
    [[nodiscard]] const std::vector<std::string> &items() const { return m_items; }
    [[nodiscard]] const std::string &listEditText() const { return m_listEditText; }
    // Clicking an option button selects it and deselects the other one.
    void clickOption(Field option);
    // A click toggles 0 and 1; a disabled check box (the below-average flags) ignores it.
    void clickCheck(Field check);

private:
    std::array<std::string, kFieldCount> m_texts;
    std::array<CheckValue, kFieldCount> m_values {};
    std::vector<std::string> m_items;
    std::string m_listEditText;
    std::int16_t m_position = -1;
};

} // namespace vexlet
