#include "web/combo_box.h"

#include <algorithm>
#include <cmath>
#include <string>

using emscripten::val;

namespace vexlet::page {

namespace {

constexpr int kItemsAPage = 10; // what the popup shows at once

bool contains(const val &element, const val &node)
{
    return element.call<bool>("contains", node);
}

} // namespace

ComboBox::ComboBox(val edit, val button, val popup, DomFormState &form)
    : m_edit(std::move(edit))
    , m_button(std::move(button))
    , m_popup(std::move(popup))
    , m_form(&form)
{
}

bool ComboBox::onKey(const val &event)
{
    const std::string key = event["key"].as<std::string>();
    const bool alt = event["altKey"].as<bool>();
    int step = 0;
    if (key == "ArrowUp" || key == "ArrowDown")
        step = key == "ArrowUp" ? -1 : 1;
    else if (key == "PageUp" || key == "PageDown")
        step = (key == "PageUp" ? -1 : 1) * (isOpen() ? kItemsAPage : 1);
    if (((key == "ArrowDown" || key == "ArrowUp") && alt) || key == "F4") {
        if (isOpen())
            close();
        else
            open();
    } else if (isOpen() && step != 0) {
        makeActive(std::clamp(m_active + step, 0, m_form->itemCount() - 1));
    } else if (isOpen() && key == "Enter") {
        m_form->pickItem(m_active);
        close();
    } else if (isOpen() && key == "Escape") {
        close();
    } else if (!isOpen() && step != 0 && !event["ctrlKey"].as<bool>()) {
        // As on the desktop, the closed list steps its selection; the pattern would open it.
        m_form->stepItem(step);
    } else {
        return false;
    }
    return true;
}

void ComboBox::onPointer(const val &event)
{
    m_byTouch
        = event["pointerType"].isString() && event["pointerType"].as<std::string>() == "touch";
}

void ComboBox::onPress(const val &event)
{
    const val target = event["target"];
    if (!contains(m_button, target) && !contains(m_popup, target))
        return;
    event.call<void>("preventDefault");
    takeFocus();
}

// The focus stays in the list, or comes to it: in the edit field, as the pattern has it, but on
// the button for a finger, for which the edit field would raise the screen's keyboard.
void ComboBox::takeFocus()
{
    (m_byTouch ? m_button : m_edit).call<void>("focus");
}

bool ComboBox::holds(const val &node) const
{
    return node.strictlyEquals(m_edit) || node.strictlyEquals(m_button);
}

// The button opens and closes the popup on its click, which a finger's tap and a screen
// reader's activation give as well as a mouse.
void ComboBox::onClick(const val &event)
{
    if (contains(m_button, event["target"])) {
        takeFocus();
        if (isOpen())
            close();
        else
            open();
        return;
    }
    if (!isOpen() || !contains(m_popup, event["target"]))
        return;
    const val item = event["target"].call<val>("closest", std::string("[role=option]"));
    if (!item.isNull()) {
        const val items = val::global("Array")["prototype"]["indexOf"].call<val>(
            "call", m_popup["children"], item);
        m_form->pickItem(items.as<int>());
    }
    close();
}

// As on the desktop, the wheel over the closed list steps its selection; a wheel turned more
// sideways than down scrolls the page across, as it would anywhere else.
void ComboBox::onWheel(const val &event)
{
    const double delta = event["deltaY"].as<double>();
    if (isOpen() || std::abs(delta) <= std::abs(event["deltaX"].as<double>()))
        return;
    event.call<void>("preventDefault");
    m_form->stepItem(delta > 0 ? 1 : -1);
}

void ComboBox::onInput()
{
    m_form->typeListText();
}

void ComboBox::open()
{
    m_popup.set("hidden", false);
    for (const val *element : {&m_edit, &m_button})
        element->call<void>("setAttribute", std::string("aria-expanded"), std::string("true"));
    makeActive(std::max(m_form->currentItem(), 0));
}

void ComboBox::close()
{
    if (!isOpen())
        return;
    makeActive(-1);
    m_popup.set("hidden", true);
    for (const val *element : {&m_edit, &m_button})
        element->call<void>("setAttribute", std::string("aria-expanded"), std::string("false"));
    m_edit.call<void>("removeAttribute", std::string("aria-activedescendant"));
}

// Marks the item at `position` as the active one, or none for -1.
void ComboBox::makeActive(int position)
{
    const val items = m_popup["children"];
    if (m_active >= 0)
        items[m_active]["classList"].call<void>("remove", std::string("active"));
    m_active = position;
    if (position < 0)
        return;
    const val item = items[position];
    item["classList"].call<void>("add", std::string("active"));
    m_edit.call<void>("setAttribute", std::string("aria-activedescendant"), item["id"]);
    val options = val::object();
    options.set("block", "nearest");
    item.call<void>("scrollIntoView", options);
}

} // namespace vexlet::page
