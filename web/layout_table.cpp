// layout-table: prints the window's layout table as the page checks read it, one control a line:
// name, kind, left, top, width, height (twips), hidden, the name a screen reader should say,
// and the field it holds ("-" for none). Then the separator lines, kind "line".

#include "form/form_state.h"

#include <iostream>
#include <string>

namespace {

using namespace vexlet;

constexpr std::string_view kKinds[]
    = {"label", "textbox", "combobox", "button", "checkbox", "option"};

// The designed spoken name, else the caption of the label that names the control, else its
// caption.
std::string spokenName(const layout::Control &control)
{
    std::string name = std::string(control.speech.name) + std::string(control.speech.detail);
    if (!name.empty())
        return name;
    for (const layout::Control &other : layout::kControls) {
        if (control.field && other.speech.labels == control.field)
            return std::string(other.caption);
    }
    return std::string(control.caption);
}

} // namespace

int main()
{
    for (const layout::Control &control : layout::kControls) {
        const layout::Rect &place = control.place;
        std::cout << control.name << '\t' << kKinds[static_cast<int>(control.kind)] << '\t'
                  << place.left << '\t' << place.top << '\t' << place.width << '\t' << place.height
                  << '\t' << control.look.hidden << '\t' << spokenName(control) << '\t'
                  << (control.field ? fieldInfo(*control.field).name : "-") << '\n';
    }
    for (const layout::Line &line : layout::kLines) {
        std::cout << line.name << "\tline\t" << line.x1 << '\t' << line.y << '\t'
                  << line.x2 - line.x1 << "\t15\t0\t\t-\n";
    }
}
