#pragma once

// The window arranged for a finger: the page's own presentation of the layout table's controls
// on a touch screen, and on any screen narrower than the window. A grid of seven columns, the
// stat table's (name, flag, base value and the four grid boxes); the rows above and below it hold
// the other controls, each caption beside what it names. The focusable controls stand from top
// to bottom in the keyboard order, so that Tab follows what the eye sees: the list and the level,
// the grid, Calculate, the average, the battle options, and last the experience given. Where the
// screen is wide (a phone turned sideways, a tablet), the rows after the stat table stand in a
// second such column beside the first.

#include <string>

namespace vexlet::page {

// The patterns' rules for a finger, the grid's columns, the fonts drawn at other sizes there,
// and each control's and separator line's place in the grid, in one column and in two, as CSS
// rules.
[[nodiscard]] std::string phonePlaceStyle();

} // namespace vexlet::page
