#pragma once

// The species list as the WAI-ARIA editable combobox with a listbox popup. Its edit field holds
// the field; the popup lists the items, the active one named to screen readers by
// aria-activedescendant, the picked one marked selected.
//
// Keys in the edit field:
//   Alt+Down, Alt+Up, F4  open or close the popup
//   Down, Up              open: make the next or previous item active; closed: pick it at once
//   Page Down, Page Up    the same, a page of items at a time while open
//   Enter                 open: pick the active item and close
//   Escape                open: close without picking; the focus stays
// Mouse and touch: the button opens and closes the popup; a click on an item picks it and closes
// the popup, the focus staying in the edit field (on the button for a finger). Whatever takes the
// focus from the list (Tab, a press anywhere else) closes the popup. The wheel over the closed list
// steps it; a wheel turned sideways does not.

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
    [[nodiscard]] static std::string editId(std::string_view list);
    [[nodiscard]] static std::string buttonId(std::string_view list);
    [[nodiscard]] static std::string popupId(std::string_view list);
    // One item of the list's popup.
    [[nodiscard]] static std::string itemMarkup(std::string_view list, int position,
                                                std::string_view text);

    // The list named `list` in the page, as markup() wrote it, showing `form`'s items.
    ComboBox(std::string_view list, DomFormState &form);

    // A key pressed in the edit field; whether the list used it (the browser then must not).
    bool onKey(const emscripten::val &event);
    // A press anywhere: on the button or in the popup, the list keeps the focus or takes it.
    void onPress(const emscripten::val &event);
    // A click anywhere: the button opens or closes the popup, an item is picked.
    void onClick(const emscripten::val &event);
    // A pointer pressed anywhere: whether it is a finger.
    void onPointer(const emscripten::val &event);
    // Whether `node` is the list's edit field or its button, between which the focus may move.
    [[nodiscard]] bool holds(const emscripten::val &node) const;
    void onWheel(const emscripten::val &event);
    void onInput();
    void close();

    [[nodiscard]] bool isOpen() const { return m_active >= 0; }
    [[nodiscard]] const emscripten::val &edit() const { return m_edit; }

private:
    void open();
    void makeActive(int position);
    void takeFocus();

    emscripten::val m_edit;
    emscripten::val m_button;
    emscripten::val m_popup;
    DomFormState *m_form;
    int m_active = -1; // the item the open popup marks, -1 while it is closed
    bool m_byTouch = false; // whether the last pointer pressed was a finger
};

} // namespace vexlet::page
