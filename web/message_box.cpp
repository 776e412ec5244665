#include "web/message_box.h"

#include "web/dom.h"

#include <string>

using emscripten::val;

namespace vexlet::page {

// A title bar over an information icon and the text, and OK below, in the window's colours; for
// a finger, OK is a finger's target.
constinit const html::StyleSheet MessageBox::kStyle = {
    .everywhere = R"css(
dialog { padding: 0; border: 1px solid var(--shadow); background: var(--face); color: var(--text);
  min-width: 240px; max-width: min(440px, calc(100vw - 32px)); }
dialog::backdrop { background: transparent; }
dialog .title { padding: 4px 8px; background: var(--highlight); color: var(--highlighted-text);
  font-weight: 700; }
dialog .body { display: flex; align-items: center; gap: 12px; padding: 14px 16px 4px; }
dialog .icon { flex: none; width: 30px; height: 30px; border-radius: 50%;
  background: var(--highlight); color: var(--highlighted-text); font-size: 20px;
  font-weight: 700; line-height: 30px; text-align: center; }
dialog p { margin: 0; line-height: 1.4; }
dialog button { display: block; margin: 10px auto 12px; min-width: 80px; height: 24px;
  border: 1px solid var(--frame); border-radius: 2px; background: var(--raised);
  font: inherit; }
)css",
    .phone = R"css(
dialog button { height: var(--finger); min-width: 96px; }
)css",
};

std::string MessageBox::markup()
{
    using html::Element;
    return Element("dialog")
        .set("id", kId)
        .set("role", "alertdialog")
        .set("aria-modal", "true")
        .set("aria-labelledby", kTitleId)
        .set("aria-describedby", kTextId)
        .append(Element("div").set("class", "title").set("id", kTitleId))
        .append(
            Element("div")
                .set("class", "body")
                .append(Element("span").set("class", "icon").set("aria-hidden", "true").text("i"))
                .append(Element("p").set("id", kTextId)))
        .append(
            Element("button").set("type", "button").set("id", kOkId).flag("autofocus").text("OK"))
        .markup();
}

MessageBox::MessageBox()
    : m_dialog(elementById(kId))
    , m_ok(elementById(kOkId))
{
}

void MessageBox::show(std::string_view title, std::string_view prompt)
{
    elementById(kTitleId).set("textContent", std::string(title));
    elementById(kTextId).set("textContent", std::string(prompt));
    m_returnFocus = val::global("document")["activeElement"];
    m_shown = true;
    m_dialog.call<void>("showModal");
    m_ok.call<void>("focus");
}

bool MessageBox::onClick(const val &event)
{
    if (!m_shown || !contains(m_ok, event["target"]))
        return false;
    m_dialog.call<void>("close");
    return true;
}

// A close event that comes while the dialog shows is that of an earlier message, closed by a
// click: a busy browser may deliver it only once the next message shows.
bool MessageBox::onClosed()
{
    if (!m_shown || m_dialog["open"].as<bool>())
        return false;
    m_shown = false;
    restoreFocus(m_returnFocus);
    m_returnFocus = val::null();
    return true;
}

} // namespace vexlet::page
