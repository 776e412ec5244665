#pragma once

// The one way the page builds elements: as markup, from constant tables, with every attribute
// value and text escaped. Built once and inserted in one piece, the window appears far sooner
// than it would an element at a time.

#include <string>
#include <string_view>

namespace vexlet::html {

// A pattern's style sheet, in the three places of the page's: rules for every layout, then
// those for the window at its designed size, and those for a phone.
struct StyleSheet
{
    std::string_view everywhere {};
    std::string_view window {};
    std::string_view phone {};
};

// Text for markup: the five characters that HTML gives a meaning, escaped.
[[nodiscard]] std::string escaped(std::string_view text);

class Element
{
public:
    explicit Element(std::string_view tag);

    // An attribute, its value escaped.
    Element &set(std::string_view name, std::string_view value);
    // A boolean attribute, present only when `present`.
    Element &flag(std::string_view name, bool present = true);
    // Content after what the element holds: text (escaped) or elements.
    Element &text(std::string_view text);
    Element &append(const Element &child);

    [[nodiscard]] std::string markup() const;

private:
    std::string m_tag;
    std::string m_start; // the start tag without its closing '>'
    std::string m_content;
};

} // namespace vexlet::html
