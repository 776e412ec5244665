#include "web/menu_bar.h"

#include "web/dom.h"

#include <cctype>

using emscripten::val;

namespace vexlet::page {

namespace {

using layout::barEntryOf;
using layout::kMenu;
using layout::kMenuBar;
using layout::MenuAction;
using layout::MenuEntry;
using layout::parentOf;

std::string menuId(const MenuEntry &entry)
{
    return std::string(entry.name) + "-menu";
}

// The letter a key stands for: the character it types where that is ASCII, so that every
// layout's own letters work (and its punctuation, on whichever key, stands for none); otherwise
// the key it is on. A Mac's Option+F types "ƒ", but its code is still "KeyF".
char letterOf(const val &event)
{
    const std::string key = keyOf(event);
    if (key.size() == 1) {
        const auto character = static_cast<unsigned char>(key[0]);
        return std::isalnum(character) != 0 ? static_cast<char>(std::tolower(character)) : '\0';
    }
    const std::string code = event["code"].isString() ? event["code"].as<std::string>() : "";
    if (code.size() == 4 && code.starts_with("Key"))
        return static_cast<char>(std::tolower(static_cast<unsigned char>(code[3])));
    return '\0';
}

const MenuEntry *entryWithLetter(std::size_t menu, const val &event)
{
    const char letter = letterOf(event);
    for (const MenuEntry &entry : kMenu) {
        if (letter != '\0' && entry.parent == menu && layout::accessLetter(entry.caption) == letter)
            return &entry;
    }
    return nullptr;
}

// The bar entry that Alt and the key's letter opens, if any: Alt alone, as AltGr is Ctrl+Alt and
// types characters.
const MenuEntry *barEntryWithAlt(const val &event)
{
    if (!event["altKey"].as<bool>() || event["ctrlKey"].as<bool>() || event["metaKey"].as<bool>())
        return nullptr;
    return entryWithLetter(kMenuBar, event);
}

// The caption with its access letter underlined and the '&' gone.
html::Element captionElement(std::string_view caption)
{
    const std::size_t at = caption.find('&');
    html::Element element("span");
    if (at == std::string_view::npos || at + 1 >= caption.size())
        return element.text(caption);
    return element.text(caption.substr(0, at))
        .append(html::Element("u").text(caption.substr(at + 1, 1)))
        .text(caption.substr(at + 2));
}

// The entries of the menu of the entry at `menu` in the menu table, or of the bar, each a menu
// item in an element of role none, followed there by the menu it opens.
html::Element menuElement(std::size_t menu, html::Element list)
{
    for (const MenuEntry &entry : kMenu) {
        if (entry.parent != menu)
            continue;
        html::Element item("span");
        item.set("id", entry.name)
            .set("role", "menuitem")
            .set("class", menu == kMenuBar ? "menutitle" : "menuitem")
            .set("tabindex", "-1");
        if (menu == kMenuBar) {
            std::string shortcut = "Alt+";
            shortcut += static_cast<char>(
                std::toupper(static_cast<unsigned char>(layout::accessLetter(entry.caption))));
            item.set("aria-keyshortcuts", &entry == &kMenu.front() ? shortcut + " F10" : shortcut);
        }
        html::Element holder("li");
        holder.set("role", "none");
        if (entry.action != MenuAction::submenu) {
            list.append(holder.append(item.append(captionElement(entry.caption))));
            continue;
        }
        std::string label(entry.caption);
        std::erase(label, '&');
        item.set("aria-haspopup", "menu")
            .set("aria-expanded", "false")
            .set("aria-controls", menuId(entry));
        list.append(holder.append(item.append(captionElement(entry.caption)))
                        .append(menuElement(layout::positionOf(entry), html::Element("ul"))
                                    .set("id", menuId(entry))
                                    .set("role", "menu")
                                    .set("class", "menu")
                                    .set("aria-label", label)
                                    .flag("hidden")));
    }
    return list;
}

} // namespace

// Menus drop below the bar and open their submenus to their right; for a finger every entry is a
// finger's target high, whatever line height a reader sets, and a submenu drops below its entry,
// where a narrow screen has room for it even when a reader's spacing widens it.
constinit const html::StyleSheet MenuBar::kStyle = {
    .everywhere = R"css(
.menubar, .menu { margin: 0; padding: 0; list-style: none; }
.menubar { display: flex; align-items: stretch; }
.menubar li { position: relative; }
.menutitle, .menuitem { display: block; cursor: default; }
.menutitle { padding: 0 8px; line-height: 22px; }
.menutitle[aria-expanded="true"], .menuitem:focus, .menutitle:focus, .menuitem:hover,
.menutitle:hover { background: var(--highlight); color: var(--highlighted-text); outline: none; }
.menu { position: absolute; left: 0; top: 100%; z-index: 2; min-width: 150px; padding: 2px 0;
  background: var(--field); border: 1px solid var(--frame);
  box-shadow: 2px 2px 4px var(--shade); color: var(--text); }
.menu .menu { left: 100%; top: -3px; }
.menuitem { position: relative; padding: 3px 24px; white-space: nowrap; }
.menuitem[aria-haspopup]::after { content: ""; position: absolute; right: 8px; top: 50%;
  margin-top: -4px; border: 4px solid transparent; border-left: 5px solid currentColor;
  border-right: 0; }
)css",
    .window = R"css(
.menubar { height: 22px; }
)css",
    .phone = R"css(
.menubar { height: var(--finger); }
.menutitle { min-height: var(--finger); padding: 0 16px; line-height: var(--finger); }
.menuitem { min-height: var(--finger); padding: 0 24px; line-height: var(--finger); }
.menu .menu { left: 24px; top: 100%; }
.menuitem[aria-haspopup]::after { margin-top: -2px; border: 4px solid transparent;
  border-top: 5px solid currentColor; border-bottom: 0; }
)css",
};

// The bar is reached by its access keys and F10, as on the desktop, not by Tab.
html::Element MenuBar::markup()
{
    return menuElement(kMenuBar, html::Element("ul"))
        .set("id", kId)
        .set("class", "menubar")
        .set("role", "menubar")
        .set("aria-label", "Menu");
}

MenuBar::MenuBar(Run run)
    : m_bar(elementById(kId))
    , m_run(std::move(run))
{
    for (const MenuEntry &entry : kMenu) {
        m_items.push_back(elementById(entry.name));
        m_menus.push_back(entry.action == MenuAction::submenu ? elementById(menuId(entry))
                                                              : val::undefined());
    }
}

void MenuBar::focus(const MenuEntry &entry) const
{
    m_items[layout::positionOf(entry)].call<void>("focus");
}

void MenuBar::listen(const val &self) const
{
    for (const char *type : {"keydown", "click", "mouseover", "focusout"})
        m_bar.call<void>("addEventListener", std::string(type), self);
    val::global("document").call<void>("addEventListener", std::string("mousedown"), self);
}

void MenuBar::handleEvent(val event)
{
    const std::string type = event["type"].as<std::string>();
    if (type == "mousedown") {
        onPress(event);
        return;
    }
    if (type == "focusout") {
        const val next = event["relatedTarget"];
        if (m_open != nullptr && (next.isNull() || !contains(m_bar, next)))
            showOpen(nullptr);
        return;
    }
    const MenuEntry *entry = entryAt(event["target"]);
    if (entry == nullptr || (type == "keydown" && keyOf(event).empty()))
        return;
    if (type == "keydown" && onKey(event, *entry)) {
        event.call<void>("preventDefault");
        event.call<void>("stopPropagation");
    } else if (type == "click" && entry->action != MenuAction::submenu) {
        activate(*entry);
    } else if (type == "click" && isOpen(*entry)) {
        leave();
    } else if (type == "click" || (type == "mouseover" && m_open != nullptr && !isOpen(*entry))) {
        // While a menu is open, the pointer makes an entry the focused one and opens its submenu.
        showOpen(entry->action == MenuAction::submenu ? entry : parentOf(*entry));
        focus(*entry);
    }
}

// Whether `entry` is the bar entry whose menu is open.
bool MenuBar::isOpen(const MenuEntry &entry) const
{
    return m_open != nullptr && &barEntryOf(*m_open) == &entry;
}

const MenuEntry *MenuBar::entryAt(const val &node) const
{
    if (!contains(m_bar, node))
        return nullptr;
    const val item = node.call<val>("closest", std::string("[role=menuitem]"));
    if (item.isNull())
        return nullptr;
    const std::size_t index = layout::menuIndex(item["id"].as<std::string>());
    return index < kMenu.size() ? &kMenu[index] : nullptr;
}

bool MenuBar::onShortcut(const val &event)
{
    if (contains(m_bar, event["target"]))
        return false;
    const MenuEntry *entry = nullptr;
    if (keyOf(event) == "F10" && !hasCommandModifier(event) && !event["shiftKey"].as<bool>())
        entry = &layout::menuEnd(kMenuBar, false);
    else
        entry = barEntryWithAlt(event);
    if (entry == nullptr)
        return false;
    enter();
    openOnFirst(*entry);
    return true;
}

// The bar steps by Left and Right, a menu by Up and Down; see the table in menu_bar.h.
bool MenuBar::onKey(const val &event, const MenuEntry &entry)
{
    // A key with Ctrl, Alt or Meta is the browser's (save, print, its own menus), but for Alt
    // and a bar entry's letter, which opens that entry from here as from anywhere.
    if (hasCommandModifier(event)) {
        const MenuEntry *bar = barEntryWithAlt(event);
        if (bar != nullptr)
            openOnFirst(*bar);
        return bar != nullptr;
    }
    const std::string key = keyOf(event);
    const bool onBar = entry.parent == kMenuBar;
    const std::string next = onBar ? "ArrowRight" : "ArrowDown";
    const std::string previous = onBar ? "ArrowLeft" : "ArrowUp";
    if (key == "Tab") {
        leave(); // and the browser moves on from there
        return false;
    }
    if (const MenuEntry *lettered = entryWithLetter(entry.parent, event)) {
        activate(*lettered);
    } else if (key == "Home" || key == "End") {
        focus(layout::menuEnd(entry.parent, key == "End"));
    } else if (key == next || key == previous) {
        const MenuEntry &to = layout::nextInMenu(entry, key == next);
        if (onBar && m_open != nullptr)
            showOpen(&to);
        focus(to);
    } else if (onBar && (key == "ArrowDown" || key == "ArrowUp")) {
        openOnFirst(entry, key == "ArrowUp");
    } else if (key == "Enter" || key == " "
               || (key == "ArrowRight" && entry.action == MenuAction::submenu)) {
        activate(entry);
    } else if (key == "ArrowRight"
               || (key == "ArrowLeft" && parentOf(*parentOf(entry)) == nullptr)) {
        openOnFirst(layout::nextInMenu(barEntryOf(entry), key == "ArrowRight"));
    } else if (key == "Escape" && onBar && m_open == nullptr) {
        leave();
    } else if (key == "ArrowLeft" || key == "Escape") {
        const MenuEntry *parent = parentOf(entry); // none on the bar
        showOpen(parent == nullptr ? nullptr : parentOf(*parent));
        if (parent != nullptr)
            focus(*parent);
    } else {
        return false;
    }
    return true;
}

// A press on an entry enters the bar; on a menu's frame it keeps the focus where it is; anywhere
// else it closes every menu, and leaving the bar later returns the focus nowhere.
void MenuBar::onPress(const val &event)
{
    const val target = event["target"];
    if (entryAt(target) != nullptr) {
        enter();
    } else if (contains(m_bar, target)) {
        event.call<void>("preventDefault");
    } else {
        showOpen(nullptr);
        m_returnFocus = val::null();
    }
}

// Where the focus is, unless already on the bar, is where leaving the bar returns it; with none
// (the document's body has it), leaving the bar leaves nothing focused.
void MenuBar::enter()
{
    const val document = val::global("document");
    const val active = document["activeElement"];
    if (!contains(m_bar, active))
        m_returnFocus
            = active.isNull() || active.strictlyEquals(document["body"]) ? val::null() : active;
}

void MenuBar::leave()
{
    showOpen(nullptr);
    const bool returned = restoreFocus(m_returnFocus);
    m_returnFocus = val::null();
    if (returned)
        return;
    // Nothing had the focus: none stays on the bar either.
    const val active = val::global("document")["activeElement"];
    if (contains(m_bar, active))
        active.call<void>("blur");
}

void MenuBar::openOnFirst(const MenuEntry &entry, bool last)
{
    showOpen(&entry);
    focus(layout::menuEnd(layout::positionOf(entry), last));
}

// Shows the menus of `deepest` and of the entries above it, and hides every other one.
void MenuBar::showOpen(const MenuEntry *deepest)
{
    for (const MenuEntry &entry : kMenu) {
        if (entry.action != MenuAction::submenu)
            continue;
        bool isOpen = false;
        for (const MenuEntry *at = deepest; at != nullptr && !isOpen; at = parentOf(*at))
            isOpen = at == &entry;
        const std::size_t index = layout::positionOf(entry);
        m_menus[index].set("hidden", !isOpen);
        m_items[index].call<void>("setAttribute", std::string("aria-expanded"),
                                  std::string(isOpen ? "true" : "false"));
    }
    m_open = deepest;
}

// Opens a submenu entry's menu; runs any other item, once the menus have closed.
void MenuBar::activate(const MenuEntry &entry)
{
    if (entry.action == MenuAction::submenu) {
        openOnFirst(entry);
        return;
    }
    leave();
    m_run(entry);
}

} // namespace vexlet::page
