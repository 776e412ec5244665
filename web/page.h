#pragma once

// The window as a page: built in the document from the layout table, with its menu bar and its
// message dialog. The page's script creates one Page and calls start(); from then on the Page is
// the listener of every event the window handles, and the commands run on its fields.

#include "form/commands.h"
#include "form/window_layout.h"
#include "web/dom_form_state.h"

#include <emscripten/val.h>
#include <memory>
#include <string>

namespace vexlet {

class Page final : private Platform
{
public:
    // Builds the window into the document's body, fills the species list and listens for
    // events with `self`, this Page as the script sees it.
    void start(emscripten::val self);
    // Every event of the window, its menus, its list and its dialog (the DOM's EventListener).
    void handleEvent(emscripten::val event);

private:
    void buildMenuBar(emscripten::val window);
    void buildClient(emscripten::val window);
    [[nodiscard]] emscripten::val elementById(std::string_view id) const;
    void buildDialog();
    void listen(const emscripten::val &target, const char *type) const;

    void onKey(emscripten::val event, const std::string &id);
    void onClick(emscripten::val event, const std::string &id);
    void onListKey(emscripten::val event);
    void onMenuKey(emscripten::val event, const std::string &id);
    bool onAccessKey(emscripten::val event);
    void openMenu(const layout::MenuEntry &entry, bool focusFirst);
    void closeMenus(bool returnFocus = false);
    void restoreFocus(emscripten::val &element);
    void focusMenuItem(const layout::MenuEntry &entry, int step);
    void chooseMenuEntry(const layout::MenuEntry &entry);
    void setListOpen(bool open);
    void highlightItem(int position);
    void closeMessage();
    void fitToViewport();

    void showInformation(std::string_view title, std::string_view prompt) override;
    void endProgram() override;

    emscripten::val m_self = emscripten::val::undefined();
    emscripten::val m_document = emscripten::val::global("document");
    emscripten::val m_window = emscripten::val::undefined();
    emscripten::val m_items = emscripten::val::undefined();
    emscripten::val m_dialog = emscripten::val::undefined();
    emscripten::val m_focusBeforeMessage = emscripten::val::null();
    emscripten::val m_focusBeforeMenu = emscripten::val::null();
    bool m_messageShown = false;
    bool m_ended = false; // after Exit the page answers nothing more
    std::vector<emscripten::val> m_fields; // the element of each field, in Field order
    std::unique_ptr<DomFormState> m_form;
    int m_highlighted = -1; // the item the open list marks, -1 when it is closed
};

} // namespace vexlet
