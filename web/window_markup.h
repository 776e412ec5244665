#pragma once

// The window as markup and style sheets, built from the layout table when the page is built: its
// menu bar and its client area. Every control is the element its kind asks for, named for
// screen readers; the controls stand in the document in the designed keyboard order, so that
// Tab follows it with no tabindex of their own.

#include "form/window_layout.h"

#include <string>
#include <string_view>

namespace vexlet::page {

// The ids the markup gives besides the control and menu entry names.
[[nodiscard]] std::string popupId(std::string_view list); // a list's popup of items
[[nodiscard]] std::string dropButtonId(std::string_view list); // the button that opens it
[[nodiscard]] std::string menuId(std::string_view entry); // the menu a submenu entry opens
// The class that gives a control one of the window's fonts.
[[nodiscard]] std::string fontClass(layout::FontKey key);
// The element that holds a field and takes the focus for it: a list's edit field, else the
// field's control.
[[nodiscard]] std::string fieldElementId(Field field);

// The window: the menu bar, then the client area. Its look is in three style sheets: what
// every layout shares (fonts, the value displays' colours; the page's own text, the menus and
// the message, in the toolkit's font as on the desktop), and each control's place in the
// window and on a phone (phone_layout.h).
[[nodiscard]] std::string windowMarkup();
[[nodiscard]] std::string windowLookStyle();
[[nodiscard]] std::string windowPlaceStyle();
// One item of a list's popup.
[[nodiscard]] std::string itemMarkup(std::string_view list, int position, std::string_view text);

} // namespace vexlet::page
