#pragma once

// The message as the WAI-ARIA alert dialog: the page template's native dialog, shown modal,
// named by its title and described by its text. It opens with the focus on OK; Enter or Space
// on OK, or Escape, close it, and the focus returns to where it was when it opened.

#include <emscripten/val.h>
#include <string_view>

namespace vexlet::page {

class MessageBox
{
public:
    MessageBox();

    void show(std::string_view title, std::string_view prompt);
    // A click; whether it was on OK, which closes the message.
    bool onClick(const emscripten::val &event);
    // The message has closed, by OK or Escape: true once for each time it was shown.
    bool onClosed();

    [[nodiscard]] bool isOpen() const { return m_shown; }

private:
    emscripten::val m_dialog;
    emscripten::val m_ok;
    emscripten::val m_returnFocus = emscripten::val::null();
    bool m_shown = false;
};

} // namespace vexlet::page
