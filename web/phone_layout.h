#pragma once

// The window arranged for a phone: the page's own presentation of the layout table's controls
// on a screen narrower than the window. A grid of seven columns, the stat table's (name, flag,
// base value and the four grid boxes); the rows above and below it hold the other controls,
// each caption beside what it names. The focusable controls stand from top to bottom in the
// keyboard order, so that Tab follows what the eye sees: the list and the level, the grid,
// Calculate, the average, the battle options, and last the experience given.

#include <string>

namespace vexlet::page {

// The patterns' rules for a phone, the grid's columns, the fonts a phone draws at other sizes,
// and each control's and separator line's place in the grid, as CSS rules.
[[nodiscard]] std::string phonePlaceStyle();

} // namespace vexlet::page
