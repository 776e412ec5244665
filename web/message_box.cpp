#include "web/message_box.h"

#include "web/dom.h"

#include <string>

using emscripten::val;

namespace vexlet::page {

MessageBox::MessageBox()
    : m_dialog(elementById("message"))
    , m_ok(elementById("message-ok"))
{
}

void MessageBox::show(std::string_view title, std::string_view prompt)
{
    elementById("message-title").set("textContent", std::string(title));
    elementById("message-text").set("textContent", std::string(prompt));
    m_returnFocus = val::global("document")["activeElement"];
    m_shown = true;
    m_dialog.call<void>("showModal");
    m_ok.call<void>("focus");
}

bool MessageBox::onClick(const val &event)
{
    if (!m_shown || !m_ok.call<bool>("contains", event["target"]))
        return false;
    m_dialog.call<void>("close");
    return true;
}

bool MessageBox::onClosed()
{
    if (!m_shown)
        return false;
    m_shown = false;
    restoreFocus(m_returnFocus);
    m_returnFocus = val::null();
    return true;
}

} // namespace vexlet::page
