#include "form/form_model.h"

namespace vexlet {

namespace {

std::size_t indexOf(Field field) noexcept
{
    return static_cast<std::size_t>(field);
}

} // namespace

FormModel::FormModel()
{
    for (const FieldInfo &info : kFieldTable) {
        switch (info.kind) {
        case layout::ControlKind::label:
        case layout::ControlKind::textBox:
            m_texts[indexOf(info.field)] = info.initial;
            break;
        case layout::ControlKind::comboBox:
            m_listEditText = info.initial;
            break;
        case layout::ControlKind::checkBox:
        case layout::ControlKind::optionButton:
            m_values[indexOf(info.field)] = info.initiallySet ? 1 : 0;
            break;
        case layout::ControlKind::button:
            break;
        }
    }
}

std::string FormModel::text(Field field) const
{
    return m_texts[indexOf(field)];
}

void FormModel::setText(Field field, std::string_view text)
{
    m_texts[indexOf(field)] = keptText(field, text);
}

void FormModel::appendItems(std::span<const std::string_view> items)
{
    m_items.insert(m_items.end(), items.begin(), items.end());
}

std::int16_t FormModel::selectedPosition() const
{
    return m_position;
}

CheckValue FormModel::value(Field field) const
{
    return m_values[indexOf(field)];
}

void FormModel::setValue(Field field, CheckValue value)
{
    m_values[indexOf(field)] = value;
}

bool FormModel::isSelected(Field field) const
{
    return m_values[indexOf(field)] == 1;
}

void FormModel::pickItem(int position)
{
    if (position < 0 || static_cast<std::size_t>(position) >= m_items.size())
        return;
    m_position = static_cast<std::int16_t>(position);
    m_listEditText = m_items[static_cast<std::size_t>(position)];
}

void FormModel::typeListText(std::string_view text)
{
    m_position = -1;
    m_listEditText = text;
}

void FormModel::clickOption(Field option)
{
    m_values[indexOf(Field::wild)] = option == Field::wild ? 1 : 0;
    m_values[indexOf(Field::trainer)] = option == Field::trainer ? 1 : 0;
}

void FormModel::clickCheck(Field check)
{
    if (fieldInfo(check).disabled)
        return;
    CheckValue &value = m_values[indexOf(check)];
    value = value == 1 ? 0 : 1;
}

} // namespace vexlet
