#include "web/window_markup.h"

#include "core/number_text.h"
#include "form/form_state.h"
#include "web/html.h"

#include <algorithm>
#include <array>
#include <vector>

namespace vexlet::page {

namespace {

using html::Element;
using layout::ControlKind;

// Every option button of the window is in one group, as in the window's one container.
constexpr std::string_view kOptionGroup = "options";

// The toolkit's font on the desktop, which its menus and message boxes use.
constexpr layout::FontInfo kToolkitFont {"Sans Serif", 9, 400, layout::kDejaVuSans};

std::string pixels(int twips)
{
    return std::to_string(twips / layout::kTwipsPerPixel) + "px";
}

std::string fontDeclaration(const layout::FontInfo &info)
{
    return "font:" + std::to_string(info.weight) + " " + formatNumber(info.points * 96 / 72)
        + "px '" + std::string(info.family) + "', '" + std::string(info.lookAlike.family)
        + "', sans-serif;";
}

std::string fontStyle(layout::FontKey key)
{
    return fontDeclaration(layout::fontInfo(key));
}

std::string editId(std::string_view list)
{
    return std::string(list) + "-edit";
}

std::string itemId(std::string_view list, int position)
{
    return std::string(list) + "-" + std::to_string(position);
}

std::string colourText(layout::Rgb colour)
{
    return "rgb(" + std::to_string(colour.red) + "," + std::to_string(colour.green) + ","
        + std::to_string(colour.blue) + ")";
}

std::string_view alignText(layout::Align align)
{
    switch (align) {
    case layout::Align::center:
        return "center";
    case layout::Align::right:
        return "right";
    case layout::Align::left:
        break;
    }
    return "left";
}

std::string placeStyle(const layout::Rect &place)
{
    return "left:" + pixels(place.left) + ";top:" + pixels(place.top)
        + ";width:" + pixels(place.width) + ";height:" + pixels(place.height) + ";";
}

// The classes of a control's look: its font, alignment, frame, wrapping and visibility. Its
// place and colours are rules of its own.
std::string controlClasses(const layout::Control &control, std::string_view base)
{
    const layout::Look &look = control.look;
    std::string classes = std::string(base) + " " + fontClass(control.font);
    if (control.kind != ControlKind::button)
        classes += " a-" + std::string(alignText(look.align));
    if (look.border)
        classes += " sunken";
    if (look.wraps)
        classes += " wraps";
    if (look.hidden)
        classes += " concealed";
    return classes;
}

Element controlElement(std::string_view tag, const layout::Control &control,
                       std::string_view base = "control")
{
    Element element(tag);
    element.set("id", control.name).set("class", controlClasses(control, base));
    return element;
}

// A caption that names a control is its label; a value display is a label of its number,
// named by what the number is, as on the desktop; a caption that reads otherwise
// ("--------------->" is "gives") says so to screen readers only.
Element labelElement(const layout::Control &control)
{
    const std::string spoken = control.speech.spokenName();
    if (control.speech.labels) {
        return controlElement("label", control)
            .set("for", fieldElementId(*control.speech.labels))
            .text(control.caption);
    }
    if (control.field) {
        return controlElement("label", control, "control value")
            .set("aria-label", spoken)
            .text(control.caption);
    }
    Element element = controlElement("div", control);
    if (spoken.empty())
        return element.text(control.caption);
    return element.append(Element("span").set("aria-hidden", "true").text(control.caption))
        .append(Element("span").set("class", "visually-hidden").text(spoken));
}

// The list follows the editable combobox pattern with a button: its edit field holds the field,
// a real button (a target for a finger, and for a screen reader on a touch screen) opens the
// popup of items. The button stays off the Tab order: the keys open the popup from the field.
Element comboElement(const layout::Control &control)
{
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
    button.set("id", dropButtonId(control.name))
        .set("type", "button")
        .set("class", "drop")
        .set("tabindex", "-1")
        .set("aria-controls", popup)
        .set("aria-expanded", "false");
    if (const std::string spoken = control.speech.spokenName(); !spoken.empty()) {
        edit.set("aria-label", spoken);
        button.set("aria-label", spoken);
    }
    return controlElement("div", control, "control combo")
        .append(edit)
        .append(button)
        .append(Element("ul")
                    .set("id", popup)
                    .set("class", "items")
                    .set("role", "listbox")
                    .set("aria-label", "Vexlets")
                    .set("tabindex", "-1") // a scroller, but the edit field keeps the keys
                    .flag("hidden"));
}

Element inputElement(const layout::Control &control)
{
    const layout::Look &look = control.look;
    const std::string spoken = control.speech.spokenName();
    Element element = controlElement("input", control);
    switch (control.kind) {
    case ControlKind::textBox:
        element.set("type", "text")
            .set("value", control.caption)
            .set("autocomplete", "off")
            .set("spellcheck", "false")
            .flag("readonly", look.readOnly);
        if (look.maxLength > 0)
            element.set("maxlength", std::to_string(look.maxLength));
        break;
    case ControlKind::checkBox:
        element.set("type", "checkbox").set("name", control.name);
        break;
    default: // an option button
        element.set("type", "radio").set("name", kOptionGroup);
        break;
    }
    // A check box or option button carries its caption, which never shows, as its value.
    if (control.kind != ControlKind::textBox)
        element.set("value", control.caption).flag("checked", look.selected);
    element.flag("disabled", look.disabled);
    if (!spoken.empty())
        element.set("aria-label", spoken);
    return element;
}

Element controlMarkup(const layout::Control &control)
{
    switch (control.kind) {
    case ControlKind::label:
        return labelElement(control);
    case ControlKind::comboBox:
        return comboElement(control);
    case ControlKind::button:
        return controlElement("button", control).set("type", "button").text(control.caption);
    case ControlKind::textBox:
    case ControlKind::checkBox:
    case ControlKind::optionButton:
        break;
    }
    return inputElement(control);
}

// The caption with its access letter underlined and the '&' gone.
Element captionElement(std::string_view caption)
{
    const std::size_t at = caption.find('&');
    Element element("span");
    if (at == std::string_view::npos || at + 1 >= caption.size())
        return element.text(caption);
    return element.text(caption.substr(0, at))
        .append(Element("u").text(caption.substr(at + 1, 1)))
        .text(caption.substr(at + 2));
}

// The entries of the menu of the entry at `parent` in the menu table, or of the bar, each a menu
// item in an element of role none, followed there by the menu it opens.
Element menuElement(std::size_t parent, std::string_view tag)
{
    Element menu(tag);
    for (std::size_t index = 0; index < layout::kMenu.size(); ++index) {
        const layout::MenuEntry &entry = layout::kMenu[index];
        if (entry.parent != parent)
            continue;
        const bool opensMenu = entry.action == layout::MenuAction::submenu;
        Element item("span");
        item.set("id", entry.name)
            .set("role", "menuitem")
            .set("class", parent == layout::kMenuBar ? "menutitle" : "menuitem")
            .set("tabindex", "-1");
        if (opensMenu)
            item.set("aria-haspopup", "menu").set("aria-expanded", "false");
        if (parent == layout::kMenuBar) {
            std::string shortcut = "Alt+";
            shortcut += static_cast<char>(layout::accessLetter(entry.caption) - 'a' + 'A');
            if (&entry == &layout::kMenu.front())
                shortcut += " F10";
            item.set("aria-keyshortcuts", shortcut);
        }
        Element holder("li");
        holder.set("role", "none").append(item.append(captionElement(entry.caption)));
        if (opensMenu) {
            std::string label(entry.caption);
            if (const std::size_t at = label.find('&'); at != std::string::npos)
                label.erase(at, 1);
            holder.append(menuElement(index, "ul")
                              .set("id", menuId(entry.name))
                              .set("role", "menu")
                              .set("class", "menu")
                              .set("aria-label", label)
                              .flag("hidden"));
        }
        menu.append(holder);
    }
    return menu;
}

} // namespace

std::string popupId(std::string_view list)
{
    return std::string(list) + "-items";
}

std::string fontClass(layout::FontKey key)
{
    constexpr std::array<std::string_view, layout::kFontKeys.size()> names
        = {"D", "F1", "F2", "F3", "F4", "F5"};
    return "f-" + std::string(names[static_cast<std::size_t>(key)]);
}

std::string dropButtonId(std::string_view list)
{
    return std::string(list) + "-button";
}

std::string menuId(std::string_view entry)
{
    return std::string(entry) + "-menu";
}

std::string fieldElementId(Field field)
{
    const FieldInfo &info = fieldInfo(field);
    return info.kind == ControlKind::comboBox ? editId(info.name) : std::string(info.name);
}

std::string windowMarkup()
{
    // The menu bar is reached by its access keys and F10, as on the desktop, not by Tab.
    Element menuBar = menuElement(layout::kMenuBar, "ul");
    menuBar.set("class", "menubar").set("role", "menubar").set("aria-label", "Menu");

    std::array<const layout::Control *, layout::kControls.size()> inKeyboardOrder {};
    std::transform(layout::kControls.begin(), layout::kControls.end(), inKeyboardOrder.begin(),
                   [](const layout::Control &control) { return &control; });
    std::sort(inKeyboardOrder.begin(), inKeyboardOrder.end(),
              [](const auto *a, const auto *b) { return a->tab < b->tab; });
    Element client("div");
    client.set("id", "client").set("class", "client");
    for (const layout::Control *control : inKeyboardOrder)
        client.append(controlMarkup(*control));
    for (const layout::Line &line : layout::kLines)
        client.append(
            Element("div").set("id", line.name).set("class", "line").set("role", "separator"));
    return Element("div")
        .set("id", "window")
        .set("class", "window f-D")
        .append(menuBar)
        .append(client)
        .markup();
}

std::string windowLookStyle()
{
    std::string style = "body,.menubar{" + fontDeclaration(kToolkitFont) + "}";
    for (layout::FontKey key : layout::kFontKeys)
        style += "." + fontClass(key) + "{" + fontStyle(key) + "}";
    // The value displays, a rule for each colour.
    std::vector<layout::Rgb> colours;
    for (const layout::Control &control : layout::kControls) {
        const auto colour = control.look.colour;
        if (colour && std::find(colours.begin(), colours.end(), *colour) == colours.end())
            colours.push_back(*colour);
    }
    for (const layout::Rgb colour : colours) {
        std::string selector;
        for (const layout::Control &control : layout::kControls) {
            if (control.look.colour == colour)
                selector += (selector.empty() ? "#" : ",#") + std::string(control.name);
        }
        style += selector + "{color:" + colourText(colour)
            + ";background:" + colourText(layout::kBlack) + "}";
    }
    return style;
}

std::string windowPlaceStyle()
{
    std::string style = ".client{width:" + pixels(layout::kClientWidth)
        + ";height:" + pixels(layout::kClientHeight) + "}";
    for (const layout::Control &control : layout::kControls)
        style += "#" + std::string(control.name) + "{" + placeStyle(control.place) + "}";
    for (const layout::Line &line : layout::kLines) {
        style += "#" + std::string(line.name) + "{left:" + pixels(line.x1)
            + ";top:" + pixels(line.y) + ";width:" + pixels(line.x2 - line.x1) + "}";
    }
    return style;
}

std::string itemMarkup(std::string_view list, int position, std::string_view text)
{
    return Element("li")
        .set("id", itemId(list, position))
        .set("role", "option")
        .text(text)
        .markup();
}

} // namespace vexlet::page
