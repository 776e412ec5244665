#include "desktop/widget_form_state.h"

#include "desktop/accessibility.h"
#include "desktop/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace vexlet {

WidgetFormState::WidgetFormState(const std::array<QWidget *, kFieldCount> &widgets)
    : m_widgets(widgets)
    , m_list(qobject_cast<QComboBox *>(widget(Field::vexlist)))
{
    bindSpeciesList();
}

// An editable combo box completes typed text inline, and on Return or focus-out selects the
// item that the typed text matches; the field selects nothing when typed into. So completion
// and that matching are switched off, typing resets the position, and only a real pick (from
// the list, by wheel or arrow keys) sets it.
void WidgetFormState::bindSpeciesList()
{
    m_list->setInsertPolicy(QComboBox::NoInsert);
    m_list->setCompleter(nullptr);
    QLineEdit *edit = m_list->lineEdit();
    QObject::disconnect(edit, &QLineEdit::editingFinished, m_list, nullptr);
    QObject::connect(edit, &QLineEdit::textEdited, m_list, [this] { m_position = -1; });
    QObject::connect(m_list, &QComboBox::activated, m_list,
                     [this](int index) { m_position = static_cast<std::int16_t>(index); });
}

std::string WidgetFormState::text(Field field) const
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget(field)))
        return edit->text().toStdString();
    if (const auto *label = qobject_cast<const QLabel *>(widget(field)))
        return label->text().toStdString();
    return {};
}

void WidgetFormState::setText(Field field, std::string_view text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(widget(field)))
        edit->setText(toQString(keptText(field, text)));
    else if (auto *label = qobject_cast<QLabel *>(widget(field))) {
        const QString old = label->text();
        label->setText(toQString(text));
        announceTextChange(label, old, label->text());
    }
}

// Adding the first item makes the combo box select it and show its text; the field still has
// nothing selected and keeps its edit text.
void WidgetFormState::appendItems(std::span<const std::string_view> items)
{
    const QString editText = m_list->currentText();
    for (std::string_view item : items)
        m_list->addItem(toQString(item));
    if (m_position < 0 && m_list->currentText() != editText)
        m_list->setEditText(editText);
}

std::int16_t WidgetFormState::selectedPosition() const
{
    return m_position;
}

CheckValue WidgetFormState::value(Field field) const
{
    const auto *box = qobject_cast<const QCheckBox *>(widget(field));
    if (box == nullptr)
        return 0;
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    case Qt::Unchecked:
        break;
    }
    return 0;
}

void WidgetFormState::setValue(Field field, CheckValue value)
{
    auto *box = qobject_cast<QCheckBox *>(widget(field));
    if (box == nullptr)
        return;
    if (value == 2)
        box->setTristate(true);
    box->setCheckState(value == 1       ? Qt::Checked
                           : value == 2 ? Qt::PartiallyChecked
                                        : Qt::Unchecked);
}

bool WidgetFormState::isSelected(Field field) const
{
    const auto *button = qobject_cast<const QRadioButton *>(widget(field));
    return button != nullptr && button->isChecked();
}

} // namespace vexlet
