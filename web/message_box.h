#pragma once

// The message as the WAI-ARIA alert dialog: a native dialog, shown modal, named by its title and
// described by its text. It opens with the focus on OK; Enter or Space on OK, or Escape, close
// it, and the focus returns to where it was when it opened.

#include "web/html.h"

#include <emscripten/val.h>
#include <string>
#include <string_view>

namespace vexlet::page {

class MessageBox
{
public:
    static constexpr std::string_view kId = "message";
    static constexpr std::string_view kTitleId = "message-title";
    static constexpr std::string_view kTextId = "message-text";
    static constexpr std::string_view kOkId = "message-ok";
    static const html::StyleSheet kStyle;

    // The dialog, empty and closed, for the page to hold from the start.
    [[nodiscard]] static std::string markup();

    MessageBox();

    void show(std::string_view title, std::string_view prompt);
    // A click; whether it was on OK, which closes the message.
    bool onClick(const emscripten::val &event);
    // The message has closed, by OK or Escape: true once for each time it was shown, and not
    // while a message shows.
    bool onClosed();

    [[nodiscard]] bool isOpen() const { return m_shown; }
    // Where it says it has closed, by the event "close".
    [[nodiscard]] const emscripten::val &dialog() const { return m_dialog; }

private:
    emscripten::val m_dialog;
    emscripten::val m_ok;
    emscripten::val m_returnFocus = emscripten::val::null();
    bool m_shown = false;
};

} // namespace vexlet::page
