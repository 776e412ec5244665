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

// The key a keydown names, or an empty text where it names none (autofill and extensions send
// keydowns without one).
inline std::string keyOf(const emscripten::val &event)
{
    const emscripten::val key = event["key"];
    return key.isString() ? key.as<std::string>() : std::string();
}

// Whether a keydown belongs to an input method's composition, which takes the keys it needs.
inline bool isComposing(const emscripten::val &event)
{
    return event["isComposing"].as<bool>() || event["keyCode"].as<int>() == 229;
}

// Whether any of Ctrl, Alt and Meta is held: such a key is a shortcut, the browser's unless a
// control claims it.
inline bool hasCommandModifier(const emscripten::val &event)
{
    return event["ctrlKey"].as<bool>() || event["altKey"].as<bool>() || event["metaKey"].as<bool>();
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
