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
    Element items("ul");
    items.set("id", popup)
        .set("class", "items")
        .set("role", "listbox")
        .set("tabindex", "-1") // a scroller, but the edit field keeps the keys
        .flag("hidden");
    if (const std::string spoken = control.speech.spokenName(); !spoken.empty()) {
        for (Element *part : {&edit, &button, &items})
            part->set("aria-label", spoken);
    }
    return holder.append(edit).append(button).append(items);
}

std::string ComboBox::editId(std::string_view list)
{
    return std::string(list) + std::string(kEditSuffix);
}

std::string ComboBox::buttonId(std::string_view list)
{
    return std::string(list) + std::string(kButtonSuffix);
}

std::string ComboBox::popupId(std::string_view list)
{
    return std::string(list) + std::string(kPopupSuffix);
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
    : m_holder(elementById(list))
    , m_edit(elementById(editId(list)))
    , m_button(elementById(buttonId(list)))
    , m_popup(elementById(popupId(list)))
    , m_form(&form)
{
}

// Presses, clicks and the focus leaving on the whole list; keys, typing and the wheel on its edit
// field.
void ComboBox::listen(const val &self) const
{
    for (const char *type : {"pointerdown", "mousedown", "click", "focusout"})
        m_holder.call<void>("addEventListener", std::string(type), self);
    for (const char *type : {"keydown", "input", "wheel"})
        m_edit.call<void>("addEventListener", std::string(type), self);
}

void ComboBox::handleEvent(val event)
{
    const std::string type = event["type"].as<std::string>();
    if (type == "keydown" && onKey(event)) {
        event.call<void>("preventDefault");
        event.call<void>("stopPropagation");
    } else if (type == "pointerdown") {
        m_byTouch
            = event["pointerType"].isString() && event["pointerType"].as<std::string>() == "touch";
    } else if (type == "mousedown") {
        onPress(event);
    } else if (type == "click") {
        onClick(event);
    } else if (type == "focusout") {
        onFocusOut(event);
    } else if (type == "input") {
        onInput();
    } else if (type == "wheel") {
        onWheel(event);
    }
}

// A key a control of the page or an input method has a use for, or one with Ctrl or Meta (the
// browser's), is not the list's.
bool ComboBox::onKey(const val &event)
{
    const std::string key = keyOf(event);
    if (key.empty() || isComposing(event))
        return false;
    const bool alt = event["altKey"].as<bool>();
    const bool command = event["ctrlKey"].as<bool>() || event["metaKey"].as<bool>();
    int step = 0;
    if (key == "ArrowUp" || key == "ArrowDown")
        step = key == "ArrowUp" ? -1 : 1;
    else if (key == "PageUp" || key == "PageDown")
        step = (key == "PageUp" ? -1 : 1) * (isOpen() ? kItemsAPage : 1);
    if (command || (alt && key != "ArrowDown" && key != "ArrowUp"))
        return false;
    if (alt || key == "F4") { // with Alt, Down or Up is all that is left
        if (isOpen())
            close();
        else
            open();
    } else if (isOpen() && step != 0) {
        makeActive(std::clamp(m_active + step, 0, m_form->itemCount() - 1));
    } else if (isOpen() && key == "Enter") {
        m_form->pickItem(m_active); // none while the text is typed
        close();
    } else if (isOpen() && key == "Escape") {
        close();
    } else if (!isOpen() && step != 0) {
        // As on the desktop, the closed list steps its selection; the pattern would open it.
        m_form->stepItem(step);
    } else {
        return false;
    }
    return true;
}

// A press on the button or in the popup keeps the focus in the list, or brings it there.
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

// Whether `node` is the list's edit field or its button, between which the focus may move.
bool ComboBox::holds(const val &node) const
{
    return node.strictlyEquals(m_edit) || node.strictlyEquals(m_button);
}

void ComboBox::onFocusOut(const val &event)
{
    if (holds(event["target"]) && !holds(event["relatedTarget"]))
        close();
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

// As on the desktop, the wheel over the closed list steps its selection, but only while the edit
// field has the focus, as browsers' own lists do: a page scrolls, and a wheel turned to scroll
// it must not change the choice on the way. A mouse's notch is 50 px or more, or a line or a
// page; a touchpad sends a few pixels at a time, which add up to a notch, and a turn the other
// way starts afresh. A wheel turned more sideways than down scrolls the page across.
void ComboBox::onWheel(const val &event)
{
    constexpr double kNotchPixels = 50;
    const double down = event["deltaY"].as<double>();
    if (isOpen() || !m_edit.strictlyEquals(val::global("document")["activeElement"])
        || std::abs(down) <= std::abs(event["deltaX"].as<double>()))
        return;
    event.call<void>("preventDefault");
    const bool inPixels = event["deltaMode"].as<int>() == 0;
    if ((m_wheel < 0) != (down < 0))
        m_wheel = 0;
    m_wheel += down;
    if (inPixels && std::abs(m_wheel) < kNotchPixels)
        return;
    m_wheel = 0;
    m_form->stepItem(down > 0 ? 1 : -1);
}

// Typed text picks nothing, so no item is active either: Enter keeps the text.
void ComboBox::onInput()
{
    m_form->typeListText();
    if (isOpen())
        makeActive(-1);
}

void ComboBox::open()
{
    m_open = true;
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
    m_open = false;
    m_popup.set("hidden", true);
    for (const val *element : {&m_edit, &m_button})
        element->call<void>("setAttribute", std::string("aria-expanded"), std::string("false"));
}

// Marks the item at `position` as the active one, the one the edit field names to screen
// readers, or none for -1.
void ComboBox::makeActive(int position)
{
    const val items = m_popup["children"];
    if (m_active >= 0)
        items[m_active]["classList"].call<void>("remove", std::string("active"));
    m_active = position;
    if (position < 0) {
        m_edit.call<void>("removeAttribute", std::string("aria-activedescendant"));
        return;
    }
    const val item = items[position];
    item["classList"].call<void>("add", std::string("active"));
    m_edit.call<void>("setAttribute", std::string("aria-activedescendant"), item["id"]);
    val options = val::object();
    options.set("block", "nearest");
    item.call<void>("scrollIntoView", options);
}

} // namespace vexlet::page
