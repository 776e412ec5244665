#include "web/combo_box.h"

#include "web/dom.h"

#include <algorithm>
#include <cmath>
#include <string>

using emscripten::val;

namespace vexlet::page {

// The edit field fills the list but for its button, a square at the right, --drop wide; for a
// finger the button is a finger's target, over the list's frame. The popup shows a page of items
// (--items-a-page, as many as Page Down moves by), each --item-line high, whatever line height a
// reader sets.
constinit const html::StyleSheet ComboBox::kStyle = {
    .everywhere = R"css(
.combo { --drop: 19px; --item-line: 19px; overflow: visible; border: 1px solid var(--frame);
  border-radius: 2px; }
.combo input { position: absolute; left: 0; top: 0; bottom: 0; right: var(--drop);
  box-sizing: border-box; width: calc(100% - var(--drop)); height: 100%; margin: 0; padding: 0 4px;
  border: 0; border-radius: 2px 0 0 2px; font: inherit; background: var(--field); }
.drop { position: absolute; right: 0; top: 0; width: var(--drop); height: 100%;
  box-sizing: border-box; margin: 0; padding: 0; border: 0; border-left: 1px solid var(--divider);
  border-radius: 0; background: transparent; color: inherit; font: inherit; }
.drop::after { content: ""; position: absolute; left: 50%; margin-left: -4px; top: 50%;
  margin-top: -3px; border: 4px solid transparent; border-top: 5px solid var(--glyph); }
.items { position: absolute; left: -1px; top: 100%; z-index: 1; width: calc(100% + 2px);
  max-height: calc(var(--items-a-page) * (var(--item-line) + 2px) + 2px); margin: 0; padding: 0;
  overflow-y: auto; list-style: none; background: var(--field); border: 1px solid var(--frame);
  box-sizing: border-box; overscroll-behavior: contain; }
.items li { min-height: var(--item-line); padding: 1px 4px; line-height: var(--item-line);
  cursor: default; }
.items li.active, .items li:hover { background: var(--highlight); color: var(--highlighted-text); }
)css",
    .phone = R"css(
.combo { --drop: calc(var(--finger) + 1px); --item-line: var(--finger); height: var(--finger); }
.drop { top: -1px; right: -1px; width: calc(var(--drop) + 1px); height: calc(100% + 2px); }
)css",
};

// The button is a target for a finger, and for a screen reader on a touch screen; it stays off
// the Tab order, as the keys open the popup from the edit field.
html::Element ComboBox::markup(const layout::Control &control, html::Element holder)
{
    using html::Element;
    const std::string popup = popupId(control.name);
    Element edit("input");
    edit.set("id", editId(control.name))
        .set("type", "text")
        .set("role", "combobox")
        .set("aria-autocomplete", "none")
        .set("aria-expanded", "false")
        .set("aria-controls", popup)
        .set("autocomplete", "off")
        .set("spellcheck", "false")
        .set("value", control.caption)
        .flag("autofocus");
    Element button("button");
    button.set("id", buttonId(control.name))
        .set("type", "button")
        .set("class", "drop")
        .set("tabindex", "-1")
        .set("aria-controls", popup)
        .set("aria-expanded", "false");
    if (const std::string spoken = control.speech.spokenName(); !spoken.empty()) {
        edit.set("aria-label", spoken);
        button.set("aria-label", spoken);
    }
    return holder.append(edit).append(button).append(
        Element("ul")
            .set("id", popup)
            .set("class", "items")
            .set("role", "listbox")
            .set("aria-label", "Vexlets")
            .set("tabindex", "-1") // a scroller, but the edit field keeps the keys
            .flag("hidden"));
}

std::string ComboBox::editId(std::string_view list)
{
    return std::string(list) + "-edit";
}

std::string ComboBox::buttonId(std::string_view list)
{
    return std::string(list) + "-button";
}

std::string ComboBox::popupId(std::string_view list)
{
    return std::string(list) + "-items";
}

std::string ComboBox::itemMarkup(std::string_view list, int position, std::string_view text)
{
    return html::Element("li")
        .set("id", std::string(list) + "-" + std::to_string(position))
        .set("role", "option")
        .text(text)
        .markup();
}

ComboBox::ComboBox(std::string_view list, DomFormState &form)
    : m_edit(elementById(editId(list)))
    , m_button(elementById(buttonId(list)))
    , m_popup(elementById(popupId(list)))
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
