#include "core/stat_ranges.h"

#include "core/number_text.h"

namespace vexlet {

double rangeValue(double base, double level, Statistic statistic, StatBand band) noexcept
{
    const double sum = base + bandConstant(band);
    const double product = level * sum;
    const double quotient = product / 50.0;
    return quotient + statOffset(statistic);
}

double statTotal(const std::array<double, 6> &bases) noexcept
{
    double total = bases[0];
    for (std::size_t i = 1; i < bases.size(); ++i)
        total = total + bases[i];
    return total;
}

double statAverage(double totalShown) noexcept
{
    return totalShown / 6.0;
}

int belowAverage(double base, double averageShown) noexcept
{
    return convertToDouble(base) < convertToDouble(averageShown) ? 1 : 0;
}

} // namespace vexlet
