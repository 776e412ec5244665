#include "web/menu_bar.h"

#include "web/dom.h"
#include "web/window_markup.h"

#include <algorithm>
#include <cctype>
#include <string>

using emscripten::val;

namespace vexlet::page {

namespace {

using layout::MenuAction;
using layout::MenuEntry;

void focus(const MenuEntry &entry)
{
    elementById(entry.name).call<void>("focus");
}

// The entries a menu holds, in menu order; the bar's for an empty name.
std::vector<const MenuEntry *> entriesOf(std::string_view menu)
{
    std::vector<const MenuEntry *> entries;
    for (const MenuEntry &entry : layout::kMenu) {
        if (entry.parent == menu)
            entries.push_back(&entry);
    }
    return entries;
}

const MenuEntry *parentOf(const MenuEntry &entry)
{
    return entry.parent.empty() ? nullptr : &layout::kMenu[layout::menuIndex(entry.parent)];
}

// The entry `step` places from `entry` among its siblings, wrapping round.
const MenuEntry &sibling(const MenuEntry &entry, int step)
{
    const auto siblings = entriesOf(entry.parent);
    const auto count = static_cast<long>(siblings.size());
    const long at = std::find(siblings.begin(), siblings.end(), &entry) - siblings.begin();
    return *siblings[static_cast<std::size_t>(((at + step) % count + count) % count)];
}

// The bar entry that `entry` is in the menu of, or `entry` on the bar.
const MenuEntry &barEntryOf(const MenuEntry &entry)
{
    const MenuEntry *at = &entry;
    while (const MenuEntry *parent = parentOf(*at))
        at = parent;
    return *at;
}

// The submenu entries from the bar down to the menu that shows `entry`'s own menu.
std::vector<const MenuEntry *> pathTo(const MenuEntry &entry)
{
    std::vector<const MenuEntry *> path;
    for (const MenuEntry *at = &entry; at != nullptr; at = parentOf(*at))
        path.insert(path.begin(), at);
    return path;
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

const MenuEntry *entryWithLetter(std::string_view menu, const val &event)
{
    const char letter = letterOf(event);
    if (letter == '\0')
        return nullptr;
    for (const MenuEntry *entry : entriesOf(menu)) {
        if (layout::accessLetter(entry->caption) == letter)
            return entry;
    }
    return nullptr;
}

} // namespace

MenuBar::MenuBar(val bar, Run run)
    : m_bar(std::move(bar))
    , m_run(std::move(run))
{
}

const MenuEntry *MenuBar::entryAt(const val &node) const
{
    if (!m_bar.call<bool>("contains", node))
        return nullptr;
    const val item = node.call<val>("closest", std::string("[role=menuitem]"));
    if (item.isNull())
        return nullptr;
    const std::size_t index = layout::menuIndex(item["id"].as<std::string>());
    return index < layout::kMenu.size() ? &layout::kMenu[index] : nullptr;
}

bool MenuBar::onShortcut(const val &event)
{
    const std::string key = event["key"].as<std::string>();
    const MenuEntry *entry = nullptr;
    if (key == "F10")
        entry = entriesOf("").front();
    else if (event["altKey"].as<bool>() && !event["ctrlKey"].as<bool>()
             && !event["metaKey"].as<bool>())
        entry = entryWithLetter("", event);
    if (entry == nullptr)
        return false;
    enter();
    openOnFirst(*entry);
    return true;
}

bool MenuBar::onKey(const val &event, const MenuEntry &entry)
{
    const std::string key = event["key"].as<std::string>();
    if (key == "Tab") {
        leave(); // and the browser moves on from there
        return false;
    }
    if (key == "Home" || key == "End") {
        const auto siblings = entriesOf(entry.parent);
        focus(key == "Home" ? *siblings.front() : *siblings.back());
        return true;
    }
    if (const MenuEntry *lettered = entryWithLetter(entry.parent, event)) {
        activate(*lettered);
        return true;
    }
    return entry.parent.empty() ? onBarKey(key, entry) : onMenuKey(key, entry);
}

bool MenuBar::onBarKey(const std::string &key, const MenuEntry &entry)
{
    if (key == "ArrowDown" || key == "ArrowUp" || key == "Enter" || key == " ") {
        openOnFirst(entry, key == "ArrowUp");
    } else if (key == "ArrowRight" || key == "ArrowLeft") {
        const MenuEntry &next = sibling(entry, key == "ArrowRight" ? 1 : -1);
        if (!m_open.empty())
            open(next);
        focus(next);
    } else if (key == "Escape") {
        if (m_open.empty())
            leave();
        else
            closeAll();
    } else {
        return false;
    }
    return true;
}

bool MenuBar::onMenuKey(const std::string &key, const MenuEntry &entry)
{
    const MenuEntry &parent = *parentOf(entry);
    const bool inSubmenu = !parent.parent.empty();
    if (key == "ArrowDown" || key == "ArrowUp") {
        focus(sibling(entry, key == "ArrowDown" ? 1 : -1));
    } else if (key == "ArrowRight" && entry.action == MenuAction::submenu) {
        openOnFirst(entry);
    } else if (key == "ArrowRight" || (key == "ArrowLeft" && !inSubmenu)) {
        openOnFirst(sibling(barEntryOf(entry), key == "ArrowRight" ? 1 : -1));
    } else if (key == "ArrowLeft" || key == "Escape") {
        auto path = pathTo(parent);
        path.pop_back();
        showOpen(path);
        focus(parent);
    } else if (key == "Enter" || key == " ") {
        activate(entry);
    } else {
        return false;
    }
    return true;
}

void MenuBar::onPress(const val &event, const MenuEntry *entry)
{
    if (entry == nullptr) {
        if (m_bar.call<bool>("contains", event["target"])) {
            event.call<void>("preventDefault"); // a menu's frame: the focus stays
            return;
        }
        closeAll();
        m_returnFocus = val::null();
        return;
    }
    enter();
}

void MenuBar::onClick(const MenuEntry &entry)
{
    if (entry.action != MenuAction::submenu) {
        choose(entry);
    } else if (entry.parent.empty() && !m_open.empty() && m_open.front() == &entry) {
        leave();
    } else {
        open(entry);
        focus(entry);
    }
}

// While a menu is open, the pointer makes an entry the focused one and opens its submenu.
void MenuBar::onHover(const MenuEntry &entry)
{
    if (m_open.empty())
        return;
    if (entry.parent.empty() && m_open.front() == &entry)
        return;
    auto path = pathTo(entry);
    if (entry.action != MenuAction::submenu)
        path.pop_back();
    showOpen(path);
    focus(entry);
}

void MenuBar::onFocusOut(const val &next)
{
    if (!m_open.empty() && (next.isNull() || !m_bar.call<bool>("contains", next)))
        closeAll();
}

// Where the focus is, unless already on the bar, is where leaving the bar returns it.
void MenuBar::enter()
{
    const val active = val::global("document")["activeElement"];
    if (!m_bar.call<bool>("contains", active))
        m_returnFocus = active;
}

void MenuBar::leave()
{
    closeAll();
    const bool returned = restoreFocus(m_returnFocus);
    m_returnFocus = val::null();
    if (returned)
        return;
    // Nothing had the focus: none stays on the bar either.
    const val active = val::global("document")["activeElement"];
    if (m_bar.call<bool>("contains", active))
        active.call<void>("blur");
}

void MenuBar::closeAll()
{
    showOpen({});
}

void MenuBar::open(const MenuEntry &entry)
{
    showOpen(pathTo(entry));
}

void MenuBar::openOnFirst(const MenuEntry &entry, bool last)
{
    open(entry);
    const auto items = entriesOf(entry.name);
    focus(last ? *items.back() : *items.front());
}

// Shows the menus of the submenu entries on `path` and hides every other one.
void MenuBar::showOpen(std::vector<const MenuEntry *> path)
{
    for (const MenuEntry &entry : layout::kMenu) {
        if (entry.action != MenuAction::submenu)
            continue;
        const bool isOpen = std::find(path.begin(), path.end(), &entry) != path.end();
        elementById(menuId(entry.name)).set("hidden", !isOpen);
        elementById(entry.name)
            .call<void>("setAttribute", std::string("aria-expanded"),
                        std::string(isOpen ? "true" : "false"));
    }
    m_open = std::move(path);
}

void MenuBar::activate(const MenuEntry &entry)
{
    if (entry.action == MenuAction::submenu)
        openOnFirst(entry);
    else
        choose(entry);
}

void MenuBar::choose(const MenuEntry &entry)
{
    leave();
    m_run(entry);
}

} // namespace vexlet::page
