#pragma once

// The menu bar as the WAI-ARIA menubar pattern, over the menu table: File on the bar, its menu
// with the Experience submenu and Exit. The bar is reached from anywhere by F10 or Alt and a bar
// entry's access letter, as on the desktop, rather than by Tab. An access letter is the letter the
// key types, or where that is no ASCII letter (Option and a letter on a Mac) the letter on the key.
//
// Keys on the menu bar:
//   Down, Enter, Space, Up  open the entry's menu, on its first item (Up: its last)
//   Right, Left             the next or previous entry on the bar, wrapping
//   Home, End               the first or last entry on the bar
//   Escape                  close the entry's menu; with none open, leave the bar
//   a letter                the bar entry whose access letter it is: open its menu
// Keys in a menu:
//   Down, Up                the next or previous item, wrapping; Home, End the first and last
//   Right                   a submenu entry opens its submenu; any other item opens the menu of
//                           the next bar entry
//   Left                    in a submenu, close it and return to its entry; in a bar entry's
//                           menu, open the menu of the previous bar entry
//   Enter, Space            open the entry's submenu, or run the item
//   Escape                  close this menu and return to the entry that opened it
//   a letter                the entry whose access letter it is
//   Tab                     close every menu and leave the bar
// Keys with Ctrl, Alt or Meta are left to the browser, but for Alt and a bar entry's letter; only
// F10 alone enters the bar. Leaving the bar, by Escape, Tab or running an item, returns the focus
// to where it was before the bar was entered, by keyboard or mouse, or to nothing. A press
// outside the bar closes every menu.

#include "form/window_layout.h"
#include "web/html.h"

#include <emscripten/val.h>
#include <functional>
#include <string_view>
#include <vector>

namespace vexlet::page {

class MenuBar
{
public:
    using Run = std::function<void(const layout::MenuEntry &)>;

    static constexpr std::string_view kId = "menubar";
    static const html::StyleSheet kStyle;

    // The bar with every menu of the menu table, closed. Each entry is a menu item with the
    // entry's name as its id, its access letter underlined; a submenu entry is followed by the
    // menu it opens.
    [[nodiscard]] static html::Element markup();

    // The bar in the page, as markup() wrote it; `run` runs a chosen item once the menus have
    // closed.
    explicit MenuBar(Run run);
    // The script's listeners hold this bar's address.
    MenuBar(const MenuBar &) = delete;
    MenuBar &operator=(const MenuBar &) = delete;

    // Listens with `self`, this bar as the script sees it: on the bar for its own events, and on
    // the document for presses, since a press outside the bar closes every menu.
    void listen(const emscripten::val &self) const;
    // Every event it listens for (the DOM's EventListener).
    void handleEvent(emscripten::val event);
    // F10, or Alt and a bar entry's letter, pressed outside the bar; whether it was one. The
    // page decides when such a key is the bar's: not while its message is open.
    bool onShortcut(const emscripten::val &event);

private:
    [[nodiscard]] const layout::MenuEntry *entryAt(const emscripten::val &node) const;
    void focus(const layout::MenuEntry &entry) const;
    bool onKey(const emscripten::val &event, const layout::MenuEntry &entry);
    void onPress(const emscripten::val &event);
    [[nodiscard]] bool isOpen(const layout::MenuEntry &entry) const;
    void enter();
    void leave();
    void openOnFirst(const layout::MenuEntry &entry, bool last = false);
    void showOpen(const layout::MenuEntry *deepest);
    void activate(const layout::MenuEntry &entry);

    emscripten::val m_bar;
    // Each menu table entry's element, and for a submenu entry the menu it opens, by index.
    std::vector<emscripten::val> m_items;
    std::vector<emscripten::val> m_menus;
    Run m_run;
    const layout::MenuEntry *m_open = nullptr; // the deepest entry whose menu shows, if any
    emscripten::val m_returnFocus = emscripten::val::null();
};

} // namespace vexlet::page
