#include "web/page.h"

#include "core/number_text.h"
#include "web/markup.h"

#include <algorithm>
#include <cctype>
#include <emscripten/bind.h>
#include <initializer_list>

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

// `pattern` with each "{}" replaced by the next of `parts`.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> parts)
{
    std::string text;
    auto part = parts.begin();
    for (std::size_t at = pattern.find("{}"); at != std::string_view::npos && part != parts.end();
         at = pattern.find("{}")) {
        text.append(pattern.substr(0, at)).append(*part++);
        pattern.remove_prefix(at + 2);
    }
    return text.append(pattern);
}

// A length in twips as CSS pixels.
std::string pixels(int twips)
{
    return std::to_string(toPixels(twips));
}

std::string fontStyle(layout::FontKey key)
{
    const layout::FontInfo info = layout::fontInfo(key);
    return fill("font: {} {}px '{}', sans-serif;",
                {std::to_string(info.weight), formatNumber(info.points * 96 / 72),
                 embeddedFamily(info.family)});
}

std::string colourText(layout::Rgb colour)
{
    return fill(
        "rgb({},{},{})",
        {std::to_string(colour.red), std::to_string(colour.green), std::to_string(colour.blue)});
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
    return fill("left:{}px;top:{}px;width:{}px;height:{}px;",
                {pixels(place.left), pixels(place.top), pixels(place.width), pixels(place.height)});
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

// The element of one control, as the element its kind asks for, placed at its rectangle. Value
// displays are outputs, a caption that names a control is its label, the list is an editable
// combo box (the field `vexlist` is its edit field) with its button and its popup of items.
std::string controlMarkup(const layout::Control &control)
{
    const layout::Look &look = control.look;
    std::string style = placeStyle(control.place) + fontStyle(control.font);
    if (control.kind != ControlKind::button)
        style += fill("text-align:{};", {alignText(look.align)});
    if (look.wraps)
        style += "white-space:normal;";
    if (look.colour)
        style += fill("color:{};background:{};",
                      {colourText(*look.colour), colourText(layout::kBlack)});
    const std::string spoken
        = escaped(std::string(control.speech.name) + std::string(control.speech.detail));
    const std::string caption = escaped(control.caption);
    std::string common = fill("class='control{}' style=\"{}\"{}",
                              {look.border ? " sunken" : "", style, look.hidden ? " hidden" : ""});
    std::string input = fill(" tabindex='{}'{}{}",
                             {std::to_string(control.tab + 1), look.disabled ? " disabled" : "",
                              spoken.empty() ? "" : " aria-label='" + spoken + "'"});
    switch (control.kind) {
    case ControlKind::label:
        if (control.field)
            return fill("<output id='{}' {} aria-label='{}' aria-live='off'>{}</output>",
                        {control.name, common, spoken, caption});
        if (control.speech.labels)
            return fill("<label id='{}' for='{}' {}>{}</label>",
                        {control.name, fieldInfo(*control.speech.labels).name, common, caption});
        if (!spoken.empty()) // a caption that reads otherwise ("--------------->" is "gives")
            return fill("<div id='{}' {}><span aria-hidden='true'>{}</span>"
                        "<span class='spoken'>{}</span></div>",
                        {control.name, common, caption, spoken});
        return fill("<div id='{}' {}>{}</div>", {control.name, common, caption});
    case ControlKind::textBox:
        return fill(
            "<input id='{}' type='text' {} value='{}'{}{} autocomplete='off' "
            "spellcheck='false'{}>",
            {control.name, common, caption, look.readOnly ? " readonly" : "",
             look.maxLength > 0 ? fill(" maxlength='{}'", {std::to_string(look.maxLength)}) : "",
             input});
    case ControlKind::comboBox:
        return fill(
            "<div {}><input id='{}' type='text' role='combobox' aria-autocomplete='none' "
            "aria-expanded='false' aria-controls='vexlist-items' autocomplete='off' "
            "spellcheck='false' data-position='-1' value='{}' autofocus{}><span "
            "id='vexlist-button' "
            "class='drop' aria-hidden='true'></span><ul id='vexlist-items' class='items' "
            "role='listbox' aria-label='Vexlets' hidden></ul></div>",
            {fill("class='control combo' style=\"{}\"", {style}), control.name, caption, input});
    case ControlKind::button:
        return fill("<button id='{}' type='button' {}{}>{}</button>",
                    {control.name, common, input, caption});
    case ControlKind::checkBox:
    case ControlKind::optionButton:
        break;
    }
    const bool isCheck = control.kind == ControlKind::checkBox;
    return fill("<input id='{}' type='{}' name='{}' {}{}{}>",
                {control.name, isCheck ? "checkbox" : "radio", isCheck ? control.name : "battle",
                 common, look.selected ? " checked" : "", input});
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
                 fill("{}<u>{}</u>{}",
                      {text.substr(0, caption.at), text.substr(caption.at, 1),
                       text.substr(caption.at + 1)}));
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

// The client area in one piece of markup: far quicker than an element at a time.
void Page::buildClient(val window)
{
    std::string markup;
    for (const layout::Control &control : layout::kControls)
        markup += controlMarkup(control);
    for (const layout::Line &line : layout::kLines) {
        markup += fill(
            "<div id='{}' class='line' role='separator' style='left:{}px;top:{}px;width:{}px'>"
            "</div>",
            {line.name, pixels(line.x1), pixels(line.y), pixels(line.x2 - line.x1)});
    }
    val client = m_document.call<val>("createElement", std::string("div"));
    client.set("id", "client");
    client.set("className", "client");
    setAttribute(client, "style",
                 fill("width:{}px;height:{}px;",
                      {pixels(layout::kClientWidth), pixels(layout::kClientHeight)}));
    client.set("innerHTML", markup);
    window.call<void>("appendChild", client);

    m_fields.clear();
    for (const FieldInfo &info : kFieldTable)
        m_fields.push_back(elementById(info.name));
    m_items = elementById("vexlist-items");
    m_form = std::make_unique<DomFormState>(m_fields, m_items);
    listen(elementById("calculate"), "click");
    val edit = m_fields[static_cast<std::size_t>(Field::vexlist)];
    for (const char *type : {"keydown", "input", "wheel"})
        listen(edit, type);
    listen(elementById("vexlist-button"), "mousedown");
    listen(m_items, "click");
}

val Page::elementById(std::string_view id) const
{
    return m_document.call<val>("getElementById", std::string(id));
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
    if (m_ended)
        return;
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
    highlightItem(-1);
    edit.call<void>("removeAttribute", std::string("aria-activedescendant"));
}

// Marks the item at `position` in the open list, or none for -1.
void Page::highlightItem(int position)
{
    if (m_highlighted >= 0)
        m_items["children"][m_highlighted].call<void>("removeAttribute",
                                                      std::string("aria-selected"));
    m_highlighted = position;
    if (position < 0)
        return;
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
    m_ended = true;
    m_window.set("hidden", true);
    val ended = m_document.call<val>("createElement", std::string("p"));
    ended.set("id", "ended");
    ended.set("textContent", fill("{} has ended. You can close this tab.", {kProgramTitle}));
    m_document["body"].call<void>("appendChild", ended);
}

// Narrower viewports scale the whole window down to fit; wider ones show it at 1:1. Zoom, not a
// transform, so that the page lays out, scrolls and hit-tests at the scaled size.
void Page::fitToViewport()
{
    const double width = toPixels(layout::kClientWidth);
    // A media query needs no layout; only a narrow viewport asks for the exact width.
    const std::string wide
        = "(min-width: " + std::to_string(toPixels(layout::kClientWidth)) + "px)";
    const bool narrow = !val::global("window").call<val>("matchMedia", wide)["matches"].as<bool>();
    const double available
        = narrow ? m_document["documentElement"]["clientWidth"].as<double>() : width;
    const double scale = available > 0 ? std::min(1.0, available / width) : 1.0;
    m_window["style"].set("zoom", scale < 1.0 ? formatNumber(scale) : "");
}

} // namespace vexlet

EMSCRIPTEN_BINDINGS(page)
{
    emscripten::class_<vexlet::Page>("Page")
        .constructor<>()
        .function("start", &vexlet::Page::start)
        .function("handleEvent", &vexlet::Page::handleEvent);
}
