#pragma once

// The experience points that defeating the shown species at the typed level gives.

#include <string>
#include <string_view>

namespace vexlet {

// A check box's value: 0 unchecked, 1 checked, 2 greyed.
using CheckValue = int;

// ((yield * level) * battle factor) * trade factor / 7, written by formatNumber and not rounded
// to a whole number. `expCaption` and `levelText` are read leniently. The battle factor is 1.5
// unless `wildSelected`; the trade factor is 1.5 only when `traded` is exactly 1 (checked), so
// a greyed box counts as not traded. The factors that are 1 are 16-bit integers, the others
// doubles, as the product's tag rules require.
[[nodiscard]] std::string battleExperience(std::string_view expCaption, std::string_view levelText,
                                           bool wildSelected, CheckValue traded);

} // namespace vexlet
