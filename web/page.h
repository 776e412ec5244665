#pragma once

// The window as a page, with its menu bar, its species list and its message. The page shows the
// window as the build wrote it; its script creates one Page and calls start(), and from then
// on the menu bar and the list listen for their own events, and the Page for the menus'
// shortcuts, Calculate and the message, and runs the commands on its fields.

#include "form/commands.h"
#include "web/combo_box.h"
#include "web/dom_form_state.h"
#include "web/menu_bar.h"
#include "web/message_box.h"

#include <emscripten/val.h>
#include <memory>
#include <optional>
#include <string>

namespace vexlet {

class Page final : private Platform
{
public:
    // Builds the window, fills the species list and listens for events with `self`, this Page
    // as the script sees it.
    void start(emscripten::val self);
    // Every event the page listens for (the DOM's EventListener).
    void handleEvent(emscripten::val event);
    // The menu bar and the list, for the script to hand them their own events.
    [[nodiscard]] page::MenuBar *menuBar() { return &*m_menus; }
    [[nodiscard]] page::ComboBox *comboBox() { return &*m_list; }

private:
    void startFields() const;
    void listen(const emscripten::val &target, const char *type) const;
    void onKey(const emscripten::val &event);
    void onClick(const emscripten::val &event);
    void run(const layout::MenuEntry &entry);
    void closeMessage();

    void showInformation(std::string_view title, std::string_view prompt) override;
    void endProgram() override;

    emscripten::val m_self = emscripten::val::undefined();
    emscripten::val m_document = emscripten::val::global("document");
    emscripten::val m_window = emscripten::val::undefined();
    emscripten::val m_calculate = emscripten::val::undefined();
    std::unique_ptr<DomFormState> m_form;
    std::optional<page::ComboBox> m_list;
    std::optional<page::MenuBar> m_menus;
    std::optional<page::MessageBox> m_message;
    bool m_ended = false; // after Exit the page answers nothing more
};

} // namespace vexlet
