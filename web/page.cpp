#include "web/page.h"

#include "web/dom.h"
#include "web/window_markup.h"

#include <algorithm>
#include <emscripten/bind.h>
#include <vector>

using emscripten::val;

namespace vexlet {

namespace {

// The window's one button, which runs Calculate.
constexpr const layout::Control &calculateButton()
{
    const auto *button = std::find_if(
        layout::kControls.begin(), layout::kControls.end(),
        [](const layout::Control &control) { return control.kind == layout::ControlKind::button; });
    return *button;
}

} // namespace

void Page::start(val self)
{
    m_self = std::move(self);
    m_window = page::elementById(page::kWindowId);
    m_calculate = page::elementById(calculateButton().name);

    std::vector<val> fields;
    for (const FieldInfo &info : kFieldTable)
        fields.push_back(page::elementById(page::fieldElementId(info.field)));
    const std::string_view list = fieldInfo(Field::vexlist).name;
    m_form = std::make_unique<DomFormState>(
        fields, page::elementById(page::ComboBox::popupId(list)), &page::ComboBox::itemMarkup);
    m_list.emplace(list, *m_form);
    m_menus.emplace([this](const layout::MenuEntry &entry) { run(entry); });
    m_message.emplace();
    startFields();
    Form_Load(*m_form);

    m_menus->listen(m_self.call<val>("menuBar"));
    m_list->listen(m_self.call<val>("comboBox"));
    for (const char *type : {"keydown", "click"})
        listen(m_document, type);
    listen(m_message->dialog(), "close");
}

// A reload is a start: every control shows its initial value, the markup's, whatever the browser
// restored of what was set before (Firefox restores check boxes, option buttons and texts).
void Page::startFields() const
{
    const val inputs = m_window.call<val>("querySelectorAll", std::string("input"));
    const int count = inputs["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        val input = inputs[i];
        input.set("value", input["defaultValue"]);
        input.set("checked", input["defaultChecked"]);
    }
}

void Page::listen(const val &target, const char *type) const
{
    target.call<void>("addEventListener", std::string(type), m_self);
}

void Page::handleEvent(val event)
{
    if (m_ended)
        return;
    const std::string type = event["type"].as<std::string>();
    if (type == "close") { // OK or Escape
        closeMessage();
    } else if (type == "keydown") {
        onKey(event);
    } else if (type == "click") {
        onClick(event);
    }
}

// The menus' shortcuts, from wherever the focus is; the list has taken its keys already.
void Page::onKey(const val &event)
{
    // The modal message takes its own keys, and an input method the keys that compose a text.
    if (page::keyOf(event).empty() || m_message->isOpen() || page::isComposing(event))
        return;
    if (m_menus->onShortcut(event)) {
        event.call<void>("preventDefault");
        event.call<void>("stopPropagation");
    }
}

void Page::onClick(const val &event)
{
    if (m_message->onClick(event))
        closeMessage();
    else if (page::contains(m_calculate, event["target"]))
        calculate_Click(*m_form, *this);
}

void Page::run(const layout::MenuEntry &entry)
{
    if (entry.action == layout::MenuAction::growth)
        runGrowthCommand(entry.curve, *m_form, *this);
    else if (entry.action == layout::MenuAction::exit)
        exit_Click(*this);
}

// A page cannot wait for its message to close, so the command goes on: what it writes from now
// on is held back and appears when the message closes, as on the desktop.
void Page::showInformation(std::string_view title, std::string_view prompt)
{
    m_message->show(title, prompt);
    m_form->holdWrites();
}

void Page::closeMessage()
{
    if (m_message->onClosed())
        m_form->showHeldWrites();
}

// A page can close only a tab that a script opened; otherwise the window goes and a line says
// that the tab can be closed, a status that screen readers speak.
void Page::endProgram()
{
    val::global("window").call<void>("close");
    m_ended = true;
    m_window.set("hidden", true);
    page::elementById(page::kEndedId)
        .set("textContent", std::string(kProgramTitle) + " has ended. You can close this tab.");
}

} // namespace vexlet

// The page's every binding, the menu bar's and the list's too: the pattern files are linked into
// the programs that write the page's markup at build time as well, which bind nothing.
EMSCRIPTEN_BINDINGS(page)
{
    emscripten::class_<vexlet::Page>("Page")
        .constructor<>()
        .function("start", &vexlet::Page::start)
        .function("handleEvent", &vexlet::Page::handleEvent)
        .function("menuBar", &vexlet::Page::menuBar, emscripten::allow_raw_pointers())
        .function("comboBox", &vexlet::Page::comboBox, emscripten::allow_raw_pointers());
    emscripten::class_<vexlet::page::MenuBar>("MenuBar").function(
        "handleEvent", &vexlet::page::MenuBar::handleEvent);
    emscripten::class_<vexlet::page::ComboBox>("ComboBox")
        .function("handleEvent", &vexlet::page::ComboBox::handleEvent);
}
