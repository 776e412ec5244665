#include "web/window_markup.h"

#include "core/number_text.h"
#include "form/form_state.h"
#include "web/combo_box.h"
#include "web/html.h"
#include "web/menu_bar.h"
#include "web/message_box.h"

#include <algorithm>
#include <array>
#include <vector>

namespace vexlet::page {

namespace {

using html::Element;
using layout::ControlKind;

// The page's own ids are no control's, line's or menu entry's name, which are ids too.
static_assert(
    [] {
        for (const PartId &part : kPartIds) {
            const auto named = [&part](const auto &table) {
                return std::any_of(table.begin(), table.end(),
                                   [&part](const auto &row) { return row.name == part.id; });
            };
            if (named(layout::kControls) || named(layout::kLines) || named(layout::kMenu))
                return false;
        }
        return true;
    }(),
    "an id of the page's is a control's, line's or menu entry's name");

// The species list's ids among them are those its pattern gives it.
constexpr bool listPartIs(std::string_view part, std::string_view suffix)
{
    const std::string_view list = fieldInfo(Field::vexlist).name;
    return std::any_of(kPartIds.begin(), kPartIds.end(), [&](const PartId &entry) {
        return entry.part == part && entry.id.size() == list.size() + suffix.size()
            && entry.id.starts_with(list) && entry.id.ends_with(suffix);
    });
}
static_assert(listPartIs("list-edit", ComboBox::kEditSuffix)
                  && listPartIs("list-button", ComboBox::kButtonSuffix)
                  && listPartIs("list-items", ComboBox::kPopupSuffix),
              "the page's ids for the list are not its pattern's");

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
    return "font:" + std::to_string(info.weight) + " " + formatNumber(fontPixels(info)) + "px '"
        + std::string(info.family) + "', '" + std::string(info.lookAlike.family) + "', sans-serif;";
}

std::string fontStyle(layout::FontKey key)
{
    return fontDeclaration(layout::fontInfo(key));
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

// Whether a caption on one line has no room to run past its end, where a reader's spacing makes
// it longer: the box of a control to its right meets its own.
bool hasNoRoom(const layout::Control &caption)
{
    if (caption.kind != ControlKind::label || caption.field || caption.look.wraps)
        return false;
    const layout::Rect &box = caption.place;
    return std::any_of(
        layout::kControls.begin(), layout::kControls.end(), [&box](const layout::Control &next) {
            const layout::Rect &other = next.place;
            return !next.look.hidden && other.left > box.left && other.left <= box.left + box.width
                && other.top < box.top + box.height && box.top < other.top + other.height;
        });
}

// The classes of a control's look: its font, alignment, frame, wrapping and visibility, after
// `kind`, the class its kind of control adds, if any. Its place and colours are rules of its own.
std::string controlClasses(const layout::Control &control, std::string_view kind)
{
    const layout::Look &look = control.look;
    std::string classes = "control ";
    if (!kind.empty())
        classes.append(kind).append(" ");
    classes += fontClass(control.font);
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
                       std::string_view kind = {})
{
    Element element(tag);
    element.set("id", control.name).set("class", controlClasses(control, kind));
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
        return controlElement("label", control, "value")
            .set("aria-label", spoken)
            .text(control.caption);
    }
    Element element = controlElement("div", control);
    if (spoken.empty())
        return element.text(control.caption);
    return element.append(Element("span").set("aria-hidden", "true").text(control.caption))
        .append(Element("span").set("class", "visually-hidden").text(spoken));
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
        return ComboBox::markup(control, controlElement("div", control, ComboBox::kClass));
    case ControlKind::button:
        return controlElement("button", control).set("type", "button").text(control.caption);
    case ControlKind::textBox:
    case ControlKind::checkBox:
    case ControlKind::optionButton:
        break;
    }
    return inputElement(control);
}

} // namespace

std::string fontClass(layout::FontKey key)
{
    constexpr std::array<std::string_view, layout::kFontKeys.size()> names
        = {"D", "F1", "F2", "F3", "F4", "F5"};
    return "f-" + std::string(names[static_cast<std::size_t>(key)]);
}

std::string fieldElementId(Field field)
{
    const FieldInfo &info = fieldInfo(field);
    return info.kind == ControlKind::comboBox ? ComboBox::editId(info.name)
                                              : std::string(info.name);
}

std::string windowMarkup()
{
    std::array<const layout::Control *, layout::kControls.size()> inKeyboardOrder {};
    std::transform(layout::kControls.begin(), layout::kControls.end(), inKeyboardOrder.begin(),
                   [](const layout::Control &control) { return &control; });
    std::sort(inKeyboardOrder.begin(), inKeyboardOrder.end(),
              [](const auto *a, const auto *b) { return a->tab < b->tab; });
    Element client("div");
    // The form's own font, which its separator lines carry, as on the desktop.
    client.set("id", kClientId).set("class", "client " + fontClass(layout::FontKey::D));
    for (const layout::Control *control : inKeyboardOrder)
        client.append(controlMarkup(*control));
    for (const layout::Line &line : layout::kLines)
        client.append(
            Element("div").set("id", line.name).set("class", "line").set("role", "separator"));
    // Then the line that stands for the window once the program has ended: a status from the
    // start, so that screen readers speak it when it is written.
    return Element("div")
               .set("id", kWindowId)
               .set("class", "window")
               .append(MenuBar::markup())
               .append(client)
               .markup()
        + Element("p").set("id", kEndedId).set("role", "status").markup();
}

std::string windowLookStyle()
{
    std::string style = patternStyle(&html::StyleSheet::everywhere) + "body{"
        + fontDeclaration(kToolkitFont) + "}";
    // The list's popup is a page of items high.
    style += "." + std::string(ComboBox::kClass)
        + "{--items-a-page:" + std::to_string(ComboBox::kItemsAPage) + "}";
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
    std::string style = patternStyle(&html::StyleSheet::window) + ".client{width:"
        + pixels(layout::kClientWidth) + ";height:" + pixels(layout::kClientHeight) + "}";
    // A caption with no room wraps instead, under its box. A number that a reader's spacing
    // makes longer than its read-only box widens the box to the left, where the engine can size
    // a box to its text; elsewhere it may lose a few pixels.
    std::string growing;
    for (const layout::Control &control : layout::kControls) {
        const layout::Rect &place = control.place;
        style += "#" + std::string(control.name) + "{" + placeStyle(place)
            + (hasNoRoom(control) ? "white-space:normal}" : "}");
        if (control.kind == ControlKind::textBox && control.look.readOnly) {
            growing += "#" + std::string(control.name)
                + "{left:auto;right:" + pixels(layout::kClientWidth - place.left - place.width)
                + ";width:auto;min-width:" + pixels(place.width) + ";field-sizing:content}";
        }
    }
    for (const layout::Line &line : layout::kLines) {
        style += "#" + std::string(line.name) + "{left:" + pixels(line.x1)
            + ";top:" + pixels(line.y) + ";width:" + pixels(line.x2 - line.x1) + "}";
    }
    return style + "@supports (field-sizing:content){" + growing + "}";
}

std::string patternStyle(std::string_view html::StyleSheet::*part)
{
    std::string style;
    for (const html::StyleSheet *sheet : {&MenuBar::kStyle, &ComboBox::kStyle, &MessageBox::kStyle})
        style += sheet->*part;
    return style;
}

} // namespace vexlet::page
