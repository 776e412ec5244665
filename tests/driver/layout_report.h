#pragma once

#include <iosfwd>

namespace vexlet {
class MainWindow;
}

namespace vexlet::drive {

// One tab-separated line per control, separator line and menu item, read back from the widgets:
// name, kind, left, top, width, height (twips), then text=, font=FAMILY/POINTS/WEIGHT, fg=R,G,B,
// bg=R,G,B, align=, border=, visible=, enabled=, readonly=, maxlength=, tab=, focus=.
void printLayout(std::ostream &out, const MainWindow &window);

} // namespace vexlet::drive
