#pragma once

// The window as markup and style sheets, built from the layout table when the page is built: its
// menu bar and its client area, the list and the menus from their patterns. Every control is the
// element its kind asks for, named for screen readers; the controls stand in the document in the
// designed keyboard order, so that Tab follows it with no tabindex of their own.

#include "form/window_layout.h"
#include "web/combo_box.h"
#include "web/html.h"
#include "web/menu_bar.h"
#include "web/message_box.h"

#include <array>
#include <string>
#include <string_view>

namespace vexlet::page {

// The window, and its client area, which holds the controls.
inline constexpr std::string_view kWindowId = "window";
inline constexpr std::string_view kClientId = "client";
// The line that stands for the window once the program has ended.
inline constexpr std::string_view kEndedId = "ended";

// The ids of the page's own parts, each with the name the page's tests know it by. No control,
// line or menu entry has one of them as its name; the species list's are its name's and its
// parts' suffixes (ComboBox::editId and the others).
struct PartId
{
    std::string_view part;
    std::string_view id;
};
inline constexpr std::array<PartId, 11> kPartIds = {{
    {"window", kWindowId},
    {"client", kClientId},
    {"ended", kEndedId},
    {"menubar", MenuBar::kId},
    {"message", MessageBox::kId},
    {"message-title", MessageBox::kTitleId},
    {"message-text", MessageBox::kTextId},
    {"message-ok", MessageBox::kOkId},
    {"list-edit", "vexlist-edit"},
    {"list-button", "vexlist-button"},
    {"list-items", "vexlist-items"},
}};

// The class that gives a control one of the window's fonts.
[[nodiscard]] std::string fontClass(layout::FontKey key);
// A font's size in CSS pixels: its points, at 96 pixels an inch.
[[nodiscard]] constexpr double fontPixels(const layout::FontInfo &info)
{
    return info.points * 96 / 72;
}
// The element that holds a field and takes the focus for it: a list's edit field, else the
// field's control.
[[nodiscard]] std::string fieldElementId(Field field);

// The window: the menu bar, then the client area; and after it the line that says the program
// has ended, empty until then. Its look is in three style sheets, each
// opening with the patterns' rules for it: what every layout shares (fonts, the value displays'
// colours; the page's own text, the menus and the message, in the toolkit's font as on the
// desktop), and each control's place in the window and on a phone (phone_layout.h).
[[nodiscard]] std::string windowMarkup();
[[nodiscard]] std::string windowLookStyle();
[[nodiscard]] std::string windowPlaceStyle();
// One part of the style sheets of the patterns the page is built of: the menu bar, the list and
// the message.
[[nodiscard]] std::string patternStyle(std::string_view html::StyleSheet::*part);

} // namespace vexlet::page
