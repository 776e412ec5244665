#include "web/menu_bar.h"

#include "web/dom.h"
#include "web/window_markup.h"

#include <algorithm>
#include <cctype>
#include <emscripten/bind.h>

using emscripten::val;

namespace vexlet::page {

namespace {

using layout::kMenu;
using layout::kMenuBar;
using layout::MenuAction;
using layout::MenuEntry;

void focus(const MenuEntry &entry)
{
    elementById(entry.name).call<void>("focus");
}

bool contains(const val &element, const val &node)
{
    return element.call<bool>("contains", node);
}

const MenuEntry *parentOf(const MenuEntry &entry)
{
    return entry.parent == kMenuBar ? nullptr : &kMenu[entry.parent];
}

const MenuEntry &barEntryOf(const MenuEntry &entry)
{
    const MenuEntry *parent = parentOf(entry);
    return parent == nullptr ? entry : barEntryOf(*parent);
}

std::size_t indexOf(const MenuEntry &entry)
{
    return static_cast<std::size_t>(&entry - kMenu.data());
}

// The first entry of the menu of the entry at `menu` in the menu table, or of the bar; or its last.
const MenuEntry &endOf(std::size_t menu, bool last)
{
    const auto isIn = [menu](const MenuEntry &entry) { return entry.parent == menu; };
    return last ? *std::find_if(kMenu.rbegin(), kMenu.rend(), isIn)
                : *std::find_if(kMenu.begin(), kMenu.end(), isIn);
}

// The entry after `entry` in its menu, or before it, wrapping round.
const MenuEntry &sibling(const MenuEntry &entry, bool after)
{
    std::size_t at = indexOf(entry);
    do
        at = (at + (after ? 1 : kMenu.size() - 1)) % kMenu.size();
    while (kMenu[at].parent != entry.parent);
    return kMenu[at];
}

// The letter a key stands for: the character it types where that is ASCII, so that every
// layout's own letters work (and its punctuation, on whichever key, stands for none); otherwise
// the key it is on. A Mac's Option+F types "ƒ", but its code is still "KeyF".
char letterOf(const val &event)
{
    const std::string key = event["key"].as<std::string>();
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

} // namespace

MenuBar::MenuBar(val bar, Run run)
    : m_bar(std::move(bar))
    , m_run(std::move(run))
{
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
    const MenuEntry *entry = entryAt(event["target"]);
    if (type == "mousedown") {
        onPress(event);
    } else if (type == "focusout") {
        const val next = event["relatedTarget"];
        if (m_open != nullptr && (next.isNull() || !contains(m_bar, next)))
            showOpen(nullptr);
    } else if (entry == nullptr) {
        return;
    } else if (type == "keydown" && onKey(event, *entry)) {
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
    if (event["key"].as<std::string>() == "F10")
        entry = &endOf(kMenuBar, false);
    else if (event["altKey"].as<bool>() && !event["ctrlKey"].as<bool>()
             && !event["metaKey"].as<bool>())
        entry = entryWithLetter(kMenuBar, event);
    if (entry == nullptr)
        return false;
    enter();
    openOnFirst(*entry);
    return true;
}

// The bar steps by Left and Right, a menu by Up and Down; see the table in menu_bar.h.
bool MenuBar::onKey(const val &event, const MenuEntry &entry)
{
    const std::string key = event["key"].as<std::string>();
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
        focus(endOf(entry.parent, key == "End"));
    } else if (key == next || key == previous) {
        const MenuEntry &to = sibling(entry, key == next);
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
        openOnFirst(sibling(barEntryOf(entry), key == "ArrowRight"));
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

// Where the focus is, unless already on the bar, is where leaving the bar returns it.
void MenuBar::enter()
{
    const val active = val::global("document")["activeElement"];
    if (!contains(m_bar, active))
        m_returnFocus = active;
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
    focus(endOf(indexOf(entry), last));
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
        elementById(menuId(entry.name)).set("hidden", !isOpen);
        elementById(entry.name)
            .call<void>("setAttribute", std::string("aria-expanded"),
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

EMSCRIPTEN_BINDINGS(menu_bar)
{
    emscripten::class_<vexlet::page::MenuBar>("MenuBar").function(
        "handleEvent", &vexlet::page::MenuBar::handleEvent);
}
