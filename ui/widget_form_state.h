#pragma once

// The fields held by the window's own widgets: labels for captions, line edits for text boxes,
// check boxes, option buttons and the species combo box. A drop-in for the plain model.

#include "ui/form_state.h"

#include <array>
#include <type_traits>
#include <variant>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vexlet {

// A control of the window as the widget its kind asks for, alternatives in the order of
// layout::ControlKind.
using ControlWidget
    = std::variant<QLabel *, QLineEdit *, QComboBox *, QPushButton *, QCheckBox *, QRadioButton *>;

template <layout::ControlKind kind>
using WidgetFor = std::variant_alternative_t<static_cast<std::size_t>(kind), ControlWidget>;

static_assert(std::is_same_v<WidgetFor<layout::ControlKind::label>, QLabel *>);
static_assert(std::is_same_v<WidgetFor<layout::ControlKind::textBox>, QLineEdit *>);
static_assert(std::is_same_v<WidgetFor<layout::ControlKind::comboBox>, QComboBox *>);
static_assert(std::is_same_v<WidgetFor<layout::ControlKind::button>, QPushButton *>);
static_assert(std::is_same_v<WidgetFor<layout::ControlKind::checkBox>, QCheckBox *>);
static_assert(std::is_same_v<WidgetFor<layout::ControlKind::optionButton>, QRadioButton *>);

class WidgetFormState final : public FormState
{
public:
    // `widgets` holds the control of each field, indexed by Field; the window owns them.
    explicit WidgetFormState(const std::array<ControlWidget, kFieldCount> &widgets);

    [[nodiscard]] std::string text(Field field) const override;
    void setText(Field field, std::string_view text) override;
    void appendItem(std::string_view item) override;
    [[nodiscard]] std::int16_t selectedPosition() const override;
    [[nodiscard]] CheckValue value(Field field) const override;
    void setValue(Field field, CheckValue value) override;
    [[nodiscard]] bool isSelected(Field field) const override;

private:
    void bindSpeciesList();
    // The field's widget if it is a `Widget`, else nullptr.
    template <typename Widget> [[nodiscard]] Widget *widgetAs(Field field) const
    {
        Widget *const *widget = std::get_if<Widget *>(&m_widgets[static_cast<std::size_t>(field)]);
        return widget != nullptr ? *widget : nullptr;
    }

    std::array<ControlWidget, kFieldCount> m_widgets;
    QComboBox *m_list = nullptr;
    // The combo box keeps an index while the user types; the field reports -1 instead, so the
    // position lives here: the last picked item, until the user types.
    std::int16_t m_position = -1;
};

} // namespace vexlet
