#pragma once

// The fields held by the window's own widgets: labels for captions, line edits for text boxes,
// check boxes, option buttons and the species combo box. A drop-in for the plain model.

#include "form/form_state.h"

#include <array>

class QComboBox;
class QWidget;

namespace vexlet {

class WidgetFormState final : public FormState
{
public:
    // `widgets` holds the control of each field, indexed by Field; the window owns them.
    explicit WidgetFormState(const std::array<QWidget *, kFieldCount> &widgets);

    [[nodiscard]] std::string text(Field field) const override;
    void setText(Field field, std::string_view text) override;
    void appendItems(std::span<const std::string_view> items) override;
    [[nodiscard]] std::int16_t selectedPosition() const override;
    [[nodiscard]] CheckValue value(Field field) const override;
    void setValue(Field field, CheckValue value) override;
    [[nodiscard]] bool isSelected(Field field) const override;

private:
    void bindSpeciesList();
    [[nodiscard]] QWidget *widget(Field field) const
    {
        return m_widgets[static_cast<std::size_t>(field)];
    }

    std::array<QWidget *, kFieldCount> m_widgets;
    QComboBox *m_list = nullptr;
    // The combo box keeps an index while the user types; the field reports -1 instead, so the
    // position lives here: the last picked item, until the user types.
    std::int16_t m_position = -1;
};

} // namespace vexlet
