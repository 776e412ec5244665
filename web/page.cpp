#include "web/page.h"

#include <algorithm>
#include <cctype>
#include <emscripten/bind.h>
#include <fmt/format.h>

using emscripten::val;

namespace vexlet {

namespace {

using layout::ControlKind;

constexpr int toPixels(int twips) noexcept
{
    return twips / layout::kTwipsPerPixel;
}

// The faces the page embeds for the designed families, as the desktop's look-alikes.
std::string_view embeddedFamily(std::string_view designed)
{
    if (designed == "Comic Sans MS")
        return "Comic Neue";
    if (designed == "OCR A Extended")
        return "OCRA";
    return "DejaVu Sans";
}

std::string fontStyle(layout::FontKey key)
{
    const layout::FontInfo info = layout::fontInfo(key);
    return fmt::format("font: {} {}px '{}', sans-serif;", info.weight, info.points * 96 / 72,
                       embeddedFamily(info.family));
}

std::string colourText(layout::Rgb colour)
{
    return fmt::format("rgb({},{},{})", colour.red, colour.green, colour.blue);
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
    return fmt::format("left:{}px;top:{}px;width:{}px;height:{}px;", toPixels(place.left),
                       toPixels(place.top), toPixels(place.width), toPixels(place.height));
}

// A menu caption without its access-key marker '&', where the marked letter stands in it, and
// that letter in lower case.
struct AccessKey
{
    std::string text;
    std::size_t at = 0;
    char key = '\0';
};

AccessKey splitAccessKey(std::string_view caption)
{
    const std::size_t at = caption.find('&');
    if (at == std::string_view::npos || at + 1 >= caption.size())
        return {std::string(caption)};
    const auto key = static_cast<char>(std::tolower(static_cast<unsigned char>(caption[at + 1])));
    return {std::string(caption.substr(0, at)) + std::string(caption.substr(at + 1)), at, key};
}

void setAttribute(const val &element, const std::string &name, const std::string &value)
{
    element.call<void>("setAttribute", name, value);
}

const layout::MenuEntry *menuEntryNamed(const std::string &name)
{
    const std::size_t index = layout::menuIndex(name);
    return index < layout::kMenu.size() ? &layout::kMenu[index] : nullptr;
}

// The entries a menu holds, in menu order; the menu bar's for an empty name.
std::vector<const layout::MenuEntry *> entriesOf(std::string_view menu)
{
    std::vector<const layout::MenuEntry *> entries;
    for (const layout::MenuEntry &entry : layout::kMenu) {
        if (entry.parent == menu)
            entries.push_back(&entry);
    }
    return entries;
}

} // namespace

void Page::start(val self)
{
    m_self = std::move(self);
    m_document.set("title", std::string(layout::kWindowTitle));
    m_window = m_document.call<val>("createElement", std::string("div"));
    m_window.set("id", "window");
    m_window.set("className", "window");
    setAttribute(m_window, "style", fontStyle(layout::FontKey::D));
    m_document["body"].call<void>("appendChild", m_window);
    buildMenuBar(m_window);
    buildClient(m_window);
    buildDialog();
    Form_Load(*m_form);
    listen(m_document, "keydown");
    listen(m_document, "mousedown");
    listen(val::global("window"), "resize");
    fitToViewport();
    m_fields[static_cast<std::size_t>(Field::vexlist)].call<void>("focus");
}

void Page::listen(const val &target, const char *type) const
{
    target.call<void>("addEventListener", std::string(type), m_self);
}

// The menu bar follows the menubar pattern: one tab stop, arrow keys between its menus,
// letters for the access keys; every menu is a popup of menu items.
void Page::buildMenuBar(val window)
{
    val bar = m_document.call<val>("createElement", std::string("div"));
    bar.set("className", "menubar");
    setAttribute(bar, "role", "menubar");
    setAttribute(bar, "aria-label", "Menu");
    window.call<void>("appendChild", bar);
    for (const layout::MenuEntry &entry : layout::kMenu) {
        const AccessKey caption = splitAccessKey(entry.caption);
        val item = m_document.call<val>("createElement", std::string("div"));
        item.set("id", std::string(entry.name));
        item.set("className", entry.parent.empty() ? "menutitle" : "menuitem");
        setAttribute(item, "role", "menuitem");
        setAttribute(item, "tabindex", entry.name == layout::kMenu.front().name ? "0" : "-1");
        const std::string_view text = caption.text;
        item.set("innerHTML",
                 fmt::format("{}<u>{}</u>{}", text.substr(0, caption.at),
                             text.substr(caption.at, 1), text.substr(caption.at + 1)));
        val parent = entry.parent.empty()
            ? bar
            : m_document.call<val>("getElementById", std::string(entry.parent) + "-menu");
        parent.call<void>("appendChild", item);
        if (entry.action == layout::MenuAction::submenu) {
            setAttribute(item, "aria-haspopup", "menu");
            setAttribute(item, "aria-expanded", "false");
            val menu = m_document.call<val>("createElement", std::string("div"));
            menu.set("id", std::string(entry.name) + "-menu");
            menu.set("className", "menu");
            menu.set("hidden", true);
            setAttribute(menu, "role", "menu");
            setAttribute(menu, "aria-label", caption.text);
            parent.call<void>("appendChild", menu);
        }
        listen(item, "click");
        listen(item, "keydown");
    }
}

void Page::buildClient(val window)
{
    val client = m_document.call<val>("createElement", std::string("div"));
    client.set("id", "client");
    client.set("className", "client");
    setAttribute(client, "style",
                 fmt::format("width:{}px;height:{}px;", toPixels(layout::kClientWidth),
                             toPixels(layout::kClientHeight)));
    window.call<void>("appendChild", client);
    for (const layout::Control &control : layout::kControls)
        client.call<void>("appendChild", buildControl(control));
    for (const layout::Line &line : layout::kLines) {
        val rule = m_document.call<val>("createElement", std::string("div"));
        rule.set("id", std::string(line.name));
        rule.set("className", "line");
        setAttribute(rule, "role", "separator");
        setAttribute(rule, "style",
                     fmt::format("left:{}px;top:{}px;width:{}px;", toPixels(line.x1),
                                 toPixels(line.y), toPixels(line.x2 - line.x1)));
        client.call<void>("appendChild", rule);
    }
    m_fields.clear();
    for (const FieldInfo &info : kFieldTable)
        m_fields.push_back(m_document.call<val>("getElementById", std::string(info.name)));
    m_form = std::make_unique<DomFormState>(m_fields, m_items);
}

// Each control as the element its kind asks for, placed at its rectangle; the list is an
// editable combo box with its popup. Value displays are outputs; a caption that names a
// control is that control's label.
val Page::buildControl(const layout::Control &control)
{
    const layout::Look &look = control.look;
    std::string style = placeStyle(control.place) + fontStyle(control.font);
    if (control.kind != ControlKind::button)
        style += fmt::format("text-align:{};", alignText(look.align));
    if (look.wraps)
        style += "white-space:normal;";
    if (look.colour)
        style += fmt::format("color:{};background:{};", colourText(*look.colour),
                             colourText(layout::kBlack));
    const std::string caption(control.caption);
    const std::string name(control.name);
    val element = val::undefined();
    val focusable = val::undefined();
    switch (control.kind) {
    case ControlKind::label:
        element = m_document.call<val>("createElement",
                                       std::string(control.field               ? "output"
                                                       : control.speech.labels ? "label"
                                                                               : "div"));
        element.set("textContent", caption);
        if (control.speech.labels)
            element.set("htmlFor", std::string(fieldInfo(*control.speech.labels).name));
        break;
    case ControlKind::textBox:
        element = m_document.call<val>("createElement", std::string("input"));
        element.set("type", "text");
        element.set("value", caption);
        element.set("readOnly", look.readOnly);
        if (look.maxLength > 0)
            element.set("maxLength", look.maxLength);
        setAttribute(element, "autocomplete", "off");
        setAttribute(element, "spellcheck", "false");
        focusable = element;
        break;
    case ControlKind::comboBox:
        element = m_document.call<val>("createElement", std::string("div"));
        buildSpeciesList(element);
        focusable = element["firstChild"];
        focusable.set("value", caption);
        break;
    case ControlKind::button:
        element = m_document.call<val>("createElement", std::string("button"));
        element.set("type", "button");
        element.set("textContent", caption);
        listen(element, "click");
        focusable = element;
        break;
    case ControlKind::checkBox:
    case ControlKind::optionButton:
        element = m_document.call<val>("createElement", std::string("input"));
        element.set("type", control.kind == ControlKind::checkBox ? "checkbox" : "radio");
        element.set("name", control.kind == ControlKind::checkBox ? name : std::string("battle"));
        element.set("checked", look.selected);
        focusable = element;
        break;
    }
    element.set("className",
                look.border                                 ? "control sunken"
                    : control.kind == ControlKind::comboBox ? "control combo"
                                                            : "control");
    if (control.kind != ControlKind::comboBox)
        element.set("id", name);
    setAttribute(element, "style", style);
    element.set("hidden", look.hidden);
    if (!focusable.isUndefined()) {
        focusable.set("disabled", look.disabled);
        focusable.set("tabIndex", control.tab + 1);
    }
    const std::string spoken
        = std::string(control.speech.name) + std::string(control.speech.detail);
    if (!spoken.empty()) {
        if (control.kind == ControlKind::label && !control.field) {
            // A caption that reads otherwise than it shows ("--------------->" is "gives").
            element.set("innerHTML",
                        fmt::format("<span aria-hidden='true'>{}</span>"
                                    "<span class='spoken'>{}</span>",
                                    caption, spoken));
        } else {
            setAttribute(focusable.isUndefined() ? element : focusable, "aria-label", spoken);
        }
    }
    return element;
}

// The list's edit field (the field `vexlist`), its drop-down button and its popup of items.
void Page::buildSpeciesList(val box)
{
    val edit = m_document.call<val>("createElement", std::string("input"));
    edit.set("id", "vexlist");
    edit.set("type", "text");
    setAttribute(edit, "role", "combobox");
    setAttribute(edit, "aria-autocomplete", "none");
    setAttribute(edit, "aria-expanded", "false");
    setAttribute(edit, "aria-controls", "vexlist-items");
    setAttribute(edit, "autocomplete", "off");
    setAttribute(edit, "spellcheck", "false");
    setAttribute(edit, "data-position", "-1");
    box.call<void>("appendChild", edit);
    val button = m_document.call<val>("createElement", std::string("span"));
    button.set("id", "vexlist-button");
    button.set("className", "drop");
    setAttribute(button, "aria-hidden", "true");
    box.call<void>("appendChild", button);
    m_items = m_document.call<val>("createElement", std::string("ul"));
    m_items.set("id", "vexlist-items");
    m_items.set("className", "items");
    m_items.set("hidden", true);
    setAttribute(m_items, "role", "listbox");
    setAttribute(m_items, "aria-label", "Vexlets");
    box.call<void>("appendChild", m_items);
    for (const char *type : {"keydown", "input", "wheel"})
        listen(edit, type);
    listen(button, "mousedown");
    listen(m_items, "click");
}

// A modal information box: title, icon, prompt and one OK button.
void Page::buildDialog()
{
    m_dialog = m_document.call<val>("createElement", std::string("dialog"));
    m_dialog.set("id", "message");
    setAttribute(m_dialog, "aria-labelledby", "message-title");
    setAttribute(m_dialog, "aria-describedby", "message-text");
    m_dialog.set("innerHTML",
                 std::string("<div class='title' id='message-title'></div>"
                             "<div class='body'><span class='icon' "
                             "aria-hidden='true'>i</span>"
                             "<p id='message-text'></p></div>"
                             "<button type='button' id='message-ok'>OK</button>"));
    m_document["body"].call<void>("appendChild", m_dialog);
    listen(m_dialog, "cancel");
    listen(m_dialog, "close");
    listen(m_document.call<val>("getElementById", std::string("message-ok")), "click");
}

void Page::handleEvent(val event)
{
    const std::string type = event["type"].as<std::string>();
    const val idValue = event["currentTarget"]["id"];
    const std::string id = idValue.isString() ? idValue.as<std::string>() : std::string();
    if (type == "resize")
        fitToViewport();
    else if (type == "close" || type == "cancel") // Escape cancels, then closes
        closeMessage();
    else if (type == "keydown")
        onKey(event, id);
    else if (type == "input")
        m_form->typeListText();
    else if (type == "wheel" && m_highlighted < 0) {
        event.call<void>("preventDefault");
        m_form->stepItem(event["deltaY"].as<double>() > 0 ? 1 : -1);
    } else if (type == "click" || type == "mousedown")
        onClick(event, id);
}

void Page::onKey(val event, const std::string &id)
{
    if (id.empty()) {
        if (onAccessKey(event))
            event.call<void>("preventDefault");
        return;
    }
    if (id == "vexlist")
        onListKey(event);
    else if (menuEntryNamed(id) != nullptr)
        onMenuKey(event, id);
}

// Alt and a menu's letter, or F10, open the menu bar from anywhere outside a message.
bool Page::onAccessKey(val event)
{
    if (m_dialog["open"].as<bool>())
        return false;
    const std::string key = event["key"].as<std::string>();
    if (key == "F10") {
        openMenu(layout::kMenu.front(), true);
        return true;
    }
    if (!event["altKey"].as<bool>() || key.size() != 1)
        return false;
    for (const layout::MenuEntry *entry : entriesOf("")) {
        if (splitAccessKey(entry->caption).key == std::tolower(key[0])) {
            openMenu(*entry, true);
            return true;
        }
    }
    return false;
}

// Closed: Up and Down (and Page Up, Page Down, the wheel) pick the item before or after the
// last one picked; Alt+Down and F4 open the list. Open: Up and Down move the mark, Enter picks
// the marked item, Escape closes.
void Page::onListKey(val event)
{
    const std::string key = event["key"].as<std::string>();
    const bool open = m_highlighted >= 0;
    const bool alt = event["altKey"].as<bool>();
    int step = 0;
    if (key == "ArrowUp" || key == "PageUp")
        step = -1;
    else if (key == "ArrowDown" || key == "PageDown")
        step = 1;
    if ((key == "ArrowDown" && alt) || key == "F4") {
        setListOpen(!open);
    } else if (open && step != 0) {
        highlightItem(std::clamp(m_highlighted + step, 0, m_form->itemCount() - 1));
    } else if (open && (key == "Enter" || key == "Escape")) {
        if (key == "Enter")
            m_form->pickItem(m_highlighted);
        setListOpen(false);
    } else if (!open && step != 0 && !event["ctrlKey"].as<bool>()) {
        m_form->stepItem(step);
    } else {
        return;
    }
    event.call<void>("preventDefault");
    event.call<void>("stopPropagation");
}

void Page::setListOpen(bool open)
{
    m_items.set("hidden", !open);
    val edit = m_fields[static_cast<std::size_t>(Field::vexlist)];
    setAttribute(edit, "aria-expanded", open ? "true" : "false");
    if (open) {
        highlightItem(m_form->currentItem());
        return;
    }
    if (m_highlighted >= 0)
        m_items["children"][m_highlighted].call<void>("removeAttribute",
                                                      std::string("aria-selected"));
    m_highlighted = -1;
    edit.call<void>("removeAttribute", std::string("aria-activedescendant"));
}

void Page::highlightItem(int position)
{
    if (m_highlighted >= 0)
        m_items["children"][m_highlighted].call<void>("removeAttribute",
                                                      std::string("aria-selected"));
    m_highlighted = position;
    val item = m_items["children"][position];
    setAttribute(item, "aria-selected", "true");
    setAttribute(m_fields[static_cast<std::size_t>(Field::vexlist)], "aria-activedescendant",
                 item["id"].as<std::string>());
    val options = val::object();
    options.set("block", "nearest");
    item.call<void>("scrollIntoView", options);
}

void Page::onClick(val event, const std::string &id)
{
    if (id.empty()) { // a press anywhere outside an open menu or list closes it
        val target = event["target"];
        if (!target.call<bool>("closest", std::string(".menubar")))
            closeMenus();
        if (m_highlighted >= 0 && !target.call<bool>("closest", std::string(".combo")))
            setListOpen(false);
        return;
    }
    if (id == "calculate") {
        calculate_Click(*m_form, *this);
    } else if (id == "message-ok") {
        m_dialog.call<void>("close");
        closeMessage();
    } else if (id == "vexlist-button") {
        event.call<void>("preventDefault"); // the edit field keeps the focus
        setListOpen(m_highlighted < 0);
    } else if (id == "vexlist-items") {
        val item = event["target"].call<val>("closest", std::string("li"));
        if (!item.isNull()) {
            const std::string itemId = item["id"].as<std::string>();
            m_form->pickItem(std::stoi(itemId.substr(4)));
        }
        setListOpen(false);
    } else if (const layout::MenuEntry *entry = menuEntryNamed(id)) {
        chooseMenuEntry(*entry);
    }
}

// A menu opens (or on the menu bar, closes again); an item runs its command.
void Page::chooseMenuEntry(const layout::MenuEntry &entry)
{
    switch (entry.action) {
    case layout::MenuAction::submenu: {
        val item = m_document.call<val>("getElementById", std::string(entry.name));
        const bool expanded
            = item.call<val>("getAttribute", std::string("aria-expanded")).as<std::string>()
            == "true";
        if (expanded && entry.parent.empty())
            closeMenus(true);
        else
            openMenu(entry, false);
        return;
    }
    case layout::MenuAction::growth:
        closeMenus();
        runGrowthCommand(entry.curve, *m_form, *this);
        if (!m_messageShown) // a message returns the focus when it closes
            restoreFocus(m_focusBeforeMenu);
        return;
    case layout::MenuAction::exit:
        closeMenus();
        exit_Click(*this);
        return;
    }
}

// Opens `entry`'s menu (and the menus that hold it), closing every other one. The control that
// had the focus gets it back when the menus close.
void Page::openMenu(const layout::MenuEntry &entry, bool focusFirst)
{
    val active = m_document["activeElement"];
    if (!active.isNull() && !active["classList"].call<bool>("contains", std::string("menuitem"))
        && !active["classList"].call<bool>("contains", std::string("menutitle")))
        m_focusBeforeMenu = active;
    std::vector<std::string_view> path;
    for (const layout::MenuEntry *at = &entry; at != nullptr;
         at = at->parent.empty() ? nullptr : menuEntryNamed(std::string(at->parent)))
        path.push_back(at->name);
    for (const layout::MenuEntry &other : layout::kMenu) {
        if (other.action != layout::MenuAction::submenu)
            continue;
        const bool open = std::find(path.begin(), path.end(), other.name) != path.end();
        m_document.call<val>("getElementById", std::string(other.name) + "-menu")
            .set("hidden", !open);
        setAttribute(m_document.call<val>("getElementById", std::string(other.name)),
                     "aria-expanded", open ? "true" : "false");
    }
    val item = m_document.call<val>("getElementById", std::string(entry.name));
    if (focusFirst)
        focusMenuItem(*entriesOf(entry.name).front(), 0);
    else
        item.call<void>("focus");
}

void Page::restoreFocus(val &element)
{
    if (!element.isNull() && !element.isUndefined()
        && !element.strictlyEquals(m_document["activeElement"]))
        element.call<void>("focus");
    element = val::null();
}

void Page::closeMenus(bool returnFocus)
{
    if (returnFocus)
        restoreFocus(m_focusBeforeMenu);
    for (const layout::MenuEntry &entry : layout::kMenu) {
        if (entry.action != layout::MenuAction::submenu)
            continue;
        m_document.call<val>("getElementById", std::string(entry.name) + "-menu")
            .set("hidden", true);
        setAttribute(m_document.call<val>("getElementById", std::string(entry.name)),
                     "aria-expanded", "false");
    }
}

// Focuses the entry `step` places after `entry` in its menu, wrapping round.
void Page::focusMenuItem(const layout::MenuEntry &entry, int step)
{
    const auto siblings = entriesOf(entry.parent);
    const auto at = std::find(siblings.begin(), siblings.end(), &entry) - siblings.begin();
    const auto count = static_cast<long>(siblings.size());
    const layout::MenuEntry *target
        = siblings[static_cast<std::size_t>(((at + step) % count + count) % count)];
    m_document.call<val>("getElementById", std::string(target->name)).call<void>("focus");
}

// Arrow keys move through the bar and the menus, Enter and Space choose, Escape and Left step
// back out, a letter chooses the entry it marks.
void Page::onMenuKey(val event, const std::string &id)
{
    const layout::MenuEntry &entry = *menuEntryNamed(id);
    const std::string key = event["key"].as<std::string>();
    const bool onBar = entry.parent.empty();
    const layout::MenuEntry *parent = onBar ? nullptr : menuEntryNamed(std::string(entry.parent));
    bool handled = true;
    if (key == "ArrowDown" || key == "ArrowUp") {
        if (onBar)
            openMenu(entry, true);
        else
            focusMenuItem(entry, key == "ArrowDown" ? 1 : -1);
    } else if (key == "ArrowRight" && entry.action == layout::MenuAction::submenu && !onBar) {
        openMenu(entry, true);
    } else if ((key == "ArrowLeft" || key == "Escape") && parent != nullptr) {
        if (parent->parent.empty() && key == "Escape") {
            closeMenus();
            m_document.call<val>("getElementById", std::string(parent->name)).call<void>("focus");
        } else if (!parent->parent.empty()) {
            openMenu(*parent, false);
            m_document.call<val>("getElementById", std::string(entry.parent)).call<void>("focus");
        } else {
            handled = false;
        }
    } else if (key == "Enter" || key == " ") {
        if (entry.action == layout::MenuAction::submenu)
            openMenu(entry, true);
        else
            chooseMenuEntry(entry);
    } else if (key == "Escape" || key == "Tab") {
        closeMenus(true);
        handled = key == "Escape";
    } else if (key.size() == 1) {
        handled = false;
        for (const layout::MenuEntry *sibling : entriesOf(entry.parent)) {
            if (splitAccessKey(sibling->caption).key == std::tolower(key[0])) {
                if (sibling->action == layout::MenuAction::submenu)
                    openMenu(*sibling, true);
                else
                    chooseMenuEntry(*sibling);
                handled = true;
                break;
            }
        }
    } else {
        handled = false;
    }
    if (handled) {
        event.call<void>("preventDefault");
        event.call<void>("stopPropagation");
    }
}

void Page::showInformation(std::string_view title, std::string_view prompt)
{
    m_document.call<val>("getElementById", std::string("message-title"))
        .set("textContent", std::string(title));
    m_document.call<val>("getElementById", std::string("message-text"))
        .set("textContent", std::string(prompt));
    // From a menu, the focus goes back to where it was before the menu opened.
    m_focusBeforeMessage
        = m_focusBeforeMenu.isNull() ? m_document["activeElement"] : m_focusBeforeMenu;
    m_focusBeforeMenu = val::null();
    m_messageShown = true;
    m_dialog.call<void>("showModal");
    m_document.call<val>("getElementById", std::string("message-ok")).call<void>("focus");
    m_form->holdWrites();
}

// What the command wrote while the message showed appears now, at once rather than with the
// dialog's close event, which comes later; the focus goes back.
void Page::closeMessage()
{
    if (!m_messageShown)
        return;
    m_messageShown = false;
    m_form->showHeldWrites();
    restoreFocus(m_focusBeforeMessage);
}

// A page can close only a tab that a script opened; otherwise the window goes and a line says
// that the tab can be closed.
void Page::endProgram()
{
    val::global("window").call<void>("close");
    m_window.set("hidden", true);
    val ended = m_document.call<val>("createElement", std::string("p"));
    ended.set("id", "ended");
    ended.set("textContent", fmt::format("{} has ended. You can close this tab.", kProgramTitle));
    m_document["body"].call<void>("appendChild", ended);
}

// Narrower viewports scale the whole window down to fit; wider ones show it at 1:1. Zoom, not a
// transform, so that the page lays out, scrolls and hit-tests at the scaled size.
void Page::fitToViewport()
{
    const double available = m_document["documentElement"]["clientWidth"].as<double>();
    const double width = toPixels(layout::kClientWidth);
    const double scale = width > available && available > 0 ? available / width : 1.0;
    m_window["style"].set("zoom", scale < 1.0 ? fmt::format("{}", scale) : "");
}

} // namespace vexlet

EMSCRIPTEN_BINDINGS(page)
{
    emscripten::class_<vexlet::Page>("Page")
        .constructor<>()
        .function("start", &vexlet::Page::start)
        .function("handleEvent", &vexlet::Page::handleEvent);
}
