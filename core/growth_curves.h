#pragma once

// The four experience growth curves: the experience total at a level, and the points between
// the typed level and the next one.

#include <optional>
#include <string_view>

namespace vexlet {

// In the order of the Experience menu.
enum class GrowthCurve { fast, medium, slow, parabolic };

// The experience total at level `n`, any double: fast n^3 * 0.8, medium n^3, slow n^3 * 1.25,
// parabolic ((n^3 * 1.2 - n^2 * 15) + n * 100) - 140. The powers come from power(), and every
// step is one rounded double operation in that order, so the parabolic total at 2 is
// 9.59999999999999 (as 15 digits show it), not 9.6. Nothing is rounded or clamped.
[[nodiscard]] double experienceAt(GrowthCurve curve, double n) noexcept;

// The level a gap is measured to: the strict reading of `levelText` plus 1, written as text and
// read back leniently. Nothing when the text is not wholly a number.
[[nodiscard]] std::optional<double> nextLevel(std::string_view levelText);

// The total at nextLevel minus the total at the lenient reading of `levelText`: two complete
// totals, one subtraction. Nothing where nextLevel gives nothing.
[[nodiscard]] std::optional<double> gapToNextLevel(GrowthCurve curve, std::string_view levelText);

} // namespace vexlet
