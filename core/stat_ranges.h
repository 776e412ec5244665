#pragma once

// The stat table: for each base statistic and level, the lowest and highest value a wild and a
// trained specimen can have, plus the total and average of the base statistics.

#include <array>

namespace vexlet {

// The six statistics in the order of the table's rows.
enum class Statistic { HP, attack, defense, speed, special1, special2 };
inline constexpr std::array kStatistics
    = {Statistic::HP,    Statistic::attack,   Statistic::defense,
       Statistic::speed, Statistic::special1, Statistic::special2};

// The four columns of the table, left to right.
enum class StatBand { wildMin, wildMax, trainedMin, trainedMax };
inline constexpr std::array kStatBands
    = {StatBand::wildMin, StatBand::wildMax, StatBand::trainedMin, StatBand::trainedMax};

// HP grows from a higher floor than the other five statistics.
[[nodiscard]] constexpr double statOffset(Statistic statistic) noexcept
{
    return statistic == Statistic::HP ? 10.0 : 5.0;
}

// The band's additive constant, the same for every statistic.
[[nodiscard]] constexpr double bandConstant(StatBand band) noexcept
{
    switch (band) {
    case StatBand::wildMin:
        return 50.0;
    case StatBand::wildMax:
        return 65.0;
    case StatBand::trainedMin:
        return 82.0;
    case StatBand::trainedMax:
        return 97.0;
    }
    return 0.0;
}

// The number of the grid box (Text1 to Text24) that shows this statistic in this band.
[[nodiscard]] constexpr int gridBoxNumber(Statistic statistic, StatBand band) noexcept
{
    return 4 * static_cast<int>(statistic) + static_cast<int>(band) + 1;
}

// level * (base + k) / 50 + c, each step one rounded double operation in that order; fractions
// are kept (base 45, level 70, trainedMin gives 187.8).
[[nodiscard]] double rangeValue(double base, double level, Statistic statistic,
                                StatBand band) noexcept;

// The six bases added left to right, HP first.
[[nodiscard]] double statTotal(const std::array<double, 6> &bases) noexcept;

// The total as shown, divided by six.
[[nodiscard]] double statAverage(double totalShown) noexcept;

// 1 (the flag is checked) when `base` lies strictly below the average as shown, else 0.
[[nodiscard]] int belowAverage(double base, double averageShown) noexcept;

} // namespace vexlet
