#pragma once

// The species list as the WAI-ARIA editable combobox with a listbox popup. Its edit field holds
// the field; the popup lists the items, the active one named to screen readers by
// aria-activedescendant, the picked one marked selected.
//
// Keys in the edit field:
//   Alt+Down, Alt+Up, F4  open or close the popup
//   Down, Up              open: make the next or previous item active; closed: pick it at once
//   Page Down, Page Up    the same, a page of items at a time while open
//   Enter                 open: pick the active item, if any, and close
//   Escape                open: close without picking; the focus stays
// Typing into the open list leaves no item active: Enter then closes it and keeps the text.
// Mouse and touch: the button opens and closes the popup; a click on an item picks it and closes
// the popup, the focus staying in the edit field (on the button for a finger). Whatever takes the
// focus from the list (Tab, a press anywhere else) closes the popup. While the edit field has the
// focus, the wheel over the closed list steps it, one item a notch (a touchpad's small turns add
// up); a wheel turned sideways, or anywhere else, scrolls the page. The list listens for all of
// this on its own elements.

#include "form/window_layout.h"
#include "web/dom_form_state.h"
#include "web/html.h"

#include <emscripten/val.h>
#include <string>
#include <string_view>

namespace vexlet::page {

class ComboBox
{
public:
    // The class of the element that holds a list's parts, and their look.
    static constexpr std::string_view kClass = "combo";
    static const html::StyleSheet kStyle;
    // What the popup shows at once, and what Page Down and Page Up move by while it is open.
    static constexpr int kItemsAPage = 10;

    // The list `control` as markup, its parts appended to `holder`, the control's element. Its
    // edit field holds the field, and is what a label names.
    [[nodiscard]] static html::Element markup(const layout::Control &control, html::Element holder);
    // Each part's id: the list's name and a suffix.
    static constexpr std::string_view kEditSuffix = "-edit";
    static constexpr std::string_view kButtonSuffix = "-button";
    static constexpr std::string_view kPopupSuffix = "-items";
    [[nodiscard]] static std::string editId(std::string_view list);
    [[nodiscard]] static std::string buttonId(std::string_view list);
    [[nodiscard]] static std::string popupId(std::string_view list);
    // One item of the list's popup.
    [[nodiscard]] static std::string itemMarkup(std::string_view list, int position,
                                                std::string_view text);

    // The list named `list` in the page, as markup() wrote it, showing `form`'s items.
    ComboBox(std::string_view list, DomFormState &form);
    // The script's listeners hold this list's address.
    ComboBox(const ComboBox &) = delete;
    ComboBox &operator=(const ComboBox &) = delete;

    // Listens with `self`, this list as the script sees it, on its own elements.
    void listen(const emscripten::val &self) const;
    // Every event it listens for (the DOM's EventListener).
    void handleEvent(emscripten::val event);

    [[nodiscard]] bool isOpen() const { return m_open; }

private:
    bool onKey(const emscripten::val &event);
    void onPress(const emscripten::val &event);
    void onClick(const emscripten::val &event);
    void onWheel(const emscripten::val &event);
    void onInput();
    void onFocusOut(const emscripten::val &event);
    [[nodiscard]] bool holds(const emscripten::val &node) const;
    void open();
    void close();
    void makeActive(int position);
    void takeFocus();

    emscripten::val m_holder;
    emscripten::val m_edit;
    emscripten::val m_button;
    emscripten::val m_popup;
    DomFormState *m_form;
    bool m_open = false;
    int m_active = -1; // the item the open popup marks active, -1 for none
    bool m_byTouch = false; // whether the last pointer pressed was a finger
    double m_wheel = 0; // the wheel's pixels down (up, negative) since the list last stepped
};

} // namespace vexlet::page
