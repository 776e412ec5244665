#pragma once

// What the page's controls share of the document.

#include <emscripten/val.h>
#include <string>
#include <string_view>

namespace vexlet::page {

inline emscripten::val elementById(std::string_view id)
{
    return emscripten::val::global("document")
        .call<emscripten::val>("getElementById", std::string(id));
}

// Whether `node` is `element` or inside it.
inline bool contains(const emscripten::val &element, const emscripten::val &node)
{
    return element.call<bool>("contains", node);
}

// Gives the focus back to `element`, if it is still in the document. A text box keeps its
// caret and selection, and its selection is made the document's again: after a click closed a
// dialog, Chromium leaves that elsewhere, and Ctrl+A would select the page.
inline bool restoreFocus(const emscripten::val &element)
{
    if (element.isNull() || element.isUndefined() || !element["isConnected"].as<bool>())
        return false;
    element.call<void>("focus");
    const emscripten::val start = element["selectionStart"];
    if (!start.isNull() && !start.isUndefined())
        element.call<void>("setSelectionRange", start, element["selectionEnd"]);
    return true;
}

} // namespace vexlet::page
