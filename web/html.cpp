#include "web/html.h"

namespace vexlet::html {

std::string escaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

Element::Element(std::string_view tag)
    : m_tag(tag)
    , m_start("<" + m_tag)
{
}

Element &Element::set(std::string_view name, std::string_view value)
{
    m_start.append(" ").append(name).append("=\"").append(escaped(value)).append("\"");
    return *this;
}

Element &Element::flag(std::string_view name, bool present)
{
    if (present)
        m_start.append(" ").append(name);
    return *this;
}

Element &Element::text(std::string_view text)
{
    m_content += escaped(text);
    return *this;
}

Element &Element::append(const Element &child)
{
    m_content += child.markup();
    return *this;
}

// An input has no content and no end tag.
std::string Element::markup() const
{
    if (m_tag == "input")
        return m_start + ">";
    return m_start + ">" + m_content + "</" + m_tag + ">";
}

} // namespace vexlet::html
