#include "web/dom_form_state.h"

using emscripten::val;

namespace vexlet {

namespace {

bool holdsText(Field field)
{
    const layout::ControlKind kind = fieldInfo(field).kind;
    return kind == layout::ControlKind::label || kind == layout::ControlKind::textBox;
}

} // namespace

DomFormState::DomFormState(const std::vector<val> &elements, val options, ItemMarkup itemMarkup)
    : m_elements(elements)
    , m_options(std::move(options))
    , m_itemMarkup(itemMarkup)
{
}

std::string DomFormState::text(Field field) const
{
    if (const auto &held = m_heldTexts[static_cast<std::size_t>(field)])
        return *held;
    if (fieldInfo(field).kind == layout::ControlKind::textBox)
        return element(field)["value"].as<std::string>();
    if (fieldInfo(field).kind == layout::ControlKind::label)
        return element(field)["textContent"].as<std::string>();
    return {};
}

void DomFormState::setText(Field field, std::string_view text)
{
    if (!holdsText(field))
        return;
    std::string kept = keptText(field, text);
    if (m_holding)
        m_heldTexts[static_cast<std::size_t>(field)] = std::move(kept);
    else
        show(field, kept);
}

void DomFormState::show(Field field, const std::string &text) const
{
    const bool isTextBox = fieldInfo(field).kind == layout::ControlKind::textBox;
    element(field).set(isTextBox ? "value" : "textContent", text);
}

// One call into the page for all of them: Form_Load appends 152 items before the page is ready.
void DomFormState::appendItems(std::span<const std::string_view> items)
{
    std::string markup;
    int position = itemCount();
    for (std::string_view item : items)
        markup += m_itemMarkup(fieldInfo(Field::vexlist).name, position++, item);
    m_options.call<void>("insertAdjacentHTML", std::string("beforeend"), markup);
    if (m_current < 0 && !items.empty())
        m_current = 0;
}

std::int16_t DomFormState::selectedPosition() const
{
    return m_position;
}

CheckValue DomFormState::value(Field field) const
{
    if (const auto &held = m_heldValues[static_cast<std::size_t>(field)])
        return *held;
    if (fieldInfo(field).kind != layout::ControlKind::checkBox)
        return 0;
    if (element(field)["indeterminate"].as<bool>())
        return 2;
    return element(field)["checked"].as<bool>() ? 1 : 0;
}

void DomFormState::setValue(Field field, CheckValue value)
{
    if (fieldInfo(field).kind != layout::ControlKind::checkBox)
        return;
    if (m_holding)
        m_heldValues[static_cast<std::size_t>(field)] = value;
    else
        show(field, value);
}

void DomFormState::show(Field field, CheckValue value) const
{
    element(field).set("indeterminate", value == 2);
    element(field).set("checked", value == 1);
}

bool DomFormState::isSelected(Field field) const
{
    return fieldInfo(field).kind == layout::ControlKind::optionButton
        && element(field)["checked"].as<bool>();
}

void DomFormState::pickItem(int position)
{
    if (position < 0 || position >= itemCount())
        return;
    markSelected(position);
    m_current = position;
    element(Field::vexlist).set("value", m_options["children"][position]["textContent"]);
}

void DomFormState::typeListText()
{
    markSelected(-1);
}

void DomFormState::markSelected(int position)
{
    if (m_position >= 0)
        m_options["children"][m_position].call<void>("removeAttribute",
                                                     std::string("aria-selected"));
    m_position = static_cast<std::int16_t>(position);
    if (position >= 0)
        m_options["children"][position].call<void>("setAttribute", std::string("aria-selected"),
                                                   std::string("true"));
}

void DomFormState::stepItem(int step)
{
    const int target = m_current + step;
    if (target >= 0 && target < itemCount())
        pickItem(target);
}

int DomFormState::itemCount() const
{
    return m_options["children"]["length"].as<int>();
}

void DomFormState::showHeldWrites()
{
    m_holding = false;
    for (const FieldInfo &info : kFieldTable) {
        auto &text = m_heldTexts[static_cast<std::size_t>(info.field)];
        if (text)
            show(info.field, *text);
        text.reset();
        auto &value = m_heldValues[static_cast<std::size_t>(info.field)];
        if (value)
            show(info.field, *value);
        value.reset();
    }
}

} // namespace vexlet
