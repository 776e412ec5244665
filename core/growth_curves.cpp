#include "core/growth_curves.h"

#include "core/number_text.h"

namespace vexlet {

double experienceAt(GrowthCurve curve, double n) noexcept
{
    switch (curve) {
    case GrowthCurve::fast:
        return power(n, 3.0) * 0.8;
    case GrowthCurve::medium:
        return power(n, 3.0);
    case GrowthCurve::slow:
        return power(n, 3.0) * 1.25;
    case GrowthCurve::parabolic: {
        const double cubic = power(n, 3.0) * 1.2;
        const double square = power(n, 2.0) * 15.0;
        const double difference = cubic - square;
        const double linear = n * 100.0;
        const double sum = difference + linear;
        return sum - 140.0;
    }
    }
    return 0.0;
}

std::optional<double> nextLevel(std::string_view levelText)
{
    const std::optional<double> level = parseStrict(levelText);
    if (!level)
        return std::nullopt;
    return parseLenient(formatNumber(*level + 1.0));
}

std::optional<double> gapToNextLevel(GrowthCurve curve, std::string_view levelText)
{
    const std::optional<double> upper = nextLevel(levelText);
    if (!upper)
        return std::nullopt;
    const double lower = parseLenient(levelText);
    return experienceAt(curve, *upper) - experienceAt(curve, lower);
}

} // namespace vexlet
