// layout-table: prints the window's tables for the page's build script and its tests, one record
// a line, tab-separated, the record's type first:
//   window WIDTH HEIGHT the client area in pixels
//   control NAME KIND LEFT TOP WIDTH HEIGHT HIDDEN SPOKEN FIELD
//           each control, then each separator line (kind "line", 15 twips high): place and size
//           in twips, 1 when never shown, the name a screen reader should say, and the field it
//           holds ("-" for none)
//   field NAME          the fields, in the order of their enumeration
//   menu NAME CAPTION   the menu entries, in menu order ('&' marks the access key)
//   command NAME KEYS   what the user can run: the button, then the menu items, each with the
//                       access keys that reach it from the menu bar ("-" for the button)
//   font FAMILY WEIGHT PACKAGE LICENCE
//                       the look-alike faces the window's fonts need
//   id PART ID          the ids of the page's parts that are no control: the window, its client
//                       area and the line that stands for it once ended; the menu bar; the
//                       message, its title, its text and its OK; the list's edit field, button
//                       and popup

#include "form/form_state.h"
#include "web/window_markup.h"

#include <iostream>
#include <set>
#include <string>

namespace {

using namespace vexlet;

// A switch, so that a kind added to the table without a name here does not compile.
constexpr std::string_view kindName(layout::ControlKind kind)
{
    using enum layout::ControlKind;
    switch (kind) {
    case label:
        return "label";
    case textBox:
        return "textbox";
    case comboBox:
        return "combobox";
    case button:
        return "button";
    case checkBox:
        return "checkbox";
    case optionButton:
        break;
    }
    return "option";
}

// The designed spoken name, else the caption of the label that names the control, else its
// caption.
std::string spokenName(const layout::Control &control)
{
    std::string name = control.speech.spokenName();
    if (!name.empty())
        return name;
    for (const layout::Control &other : layout::kControls) {
        if (control.field && other.speech.labels == control.field)
            return std::string(other.caption);
    }
    return std::string(control.caption);
}

// The access keys from the menu bar down to `entry`.
std::string accessPath(const layout::MenuEntry &entry)
{
    const std::string keys(1, layout::accessLetter(entry.caption));
    const layout::MenuEntry *parent = layout::parentOf(entry);
    return parent == nullptr ? keys : accessPath(*parent) + keys;
}

} // namespace

int main()
{
    std::cout << "window\t" << layout::kClientWidth / layout::kTwipsPerPixel << '\t'
              << layout::kClientHeight / layout::kTwipsPerPixel << '\n';
    for (const layout::Control &control : layout::kControls) {
        const layout::Rect &place = control.place;
        std::cout << "control\t" << control.name << '\t' << kindName(control.kind) << '\t'
                  << place.left << '\t' << place.top << '\t' << place.width << '\t' << place.height
                  << '\t' << control.look.hidden << '\t' << spokenName(control) << '\t'
                  << (control.field ? fieldInfo(*control.field).name : "-") << '\n';
    }
    for (const layout::Line &line : layout::kLines) {
        std::cout << "control\t" << line.name << "\tline\t" << line.x1 << '\t' << line.y << '\t'
                  << line.x2 - line.x1 << "\t15\t0\t\t-\n";
    }
    for (const FieldInfo &info : kFieldTable)
        std::cout << "field\t" << info.name << '\n';
    for (const layout::MenuEntry &entry : layout::kMenu)
        std::cout << "menu\t" << entry.name << '\t' << entry.caption << '\n';
    for (const layout::Control &control : layout::kControls) {
        if (control.kind == layout::ControlKind::button)
            std::cout << "command\t" << control.name << "\t-\n";
    }
    for (const layout::MenuEntry &entry : layout::kMenu) {
        if (entry.action != layout::MenuAction::submenu)
            std::cout << "command\t" << entry.name << '\t' << accessPath(entry) << '\n';
    }
    std::set<std::string> faces;
    for (layout::FontKey key : layout::kFontKeys) {
        const layout::FontInfo info = layout::fontInfo(key);
        const layout::LookAlike &face = info.lookAlike;
        faces.insert("font\t" + std::string(face.family) + '\t' + std::to_string(info.weight) + '\t'
                     + std::string(face.package) + '\t' + std::string(face.licence));
    }
    for (const std::string &face : faces)
        std::cout << face << '\n';
    for (const page::PartId &part : page::kPartIds)
        std::cout << "id\t" << part.part << '\t' << part.id << '\n';
}
