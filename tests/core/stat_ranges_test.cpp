#include "core/number_text.h"
#include "core/stat_ranges.h"

#include <gtest/gtest.h>

namespace vexlet {
namespace {

using Bands = std::array<double, 4>;
using Bases = std::array<double, 6>;

Bands bandsOf(double base, double level, Statistic statistic)
{
    Bands bands {};
    for (StatBand band : kStatBands)
        bands[static_cast<std::size_t>(band)] = rangeValue(base, level, statistic, band);
    return bands;
}

TEST(RangeValue, GivesTheFourBandsOfEachStatistic)
{
    struct Case
    {
        double base;
        double level;
        Statistic statistic;
        Bands expected;
    };
    const Case cases[] = {
        {45, 70, Statistic::HP, {143, 164, 187.8, 208.8}},
        {49, 70, Statistic::attack, {143.6, 164.6, 188.4, 209.4}},
        {49, 70, Statistic::defense, {143.6, 164.6, 188.4, 209.4}},
        {45, 70, Statistic::speed, {138, 159, 182.8, 203.8}},
        {65, 70, Statistic::special1, {166, 187, 210.8, 231.8}},
        {65, 70, Statistic::special2, {166, 187, 210.8, 231.8}},
        {0, 70, Statistic::HP, {80, 101, 124.8, 145.8}},
        {0, 70, Statistic::special2, {75, 96, 119.8, 140.8}},
        {250, 100, Statistic::HP, {610, 640, 674, 704}},
        {45, 10, Statistic::HP, {29, 32, 35.4, 38.4}},
        {45, 0.5, Statistic::HP, {10.95, 11.1, 11.27, 11.42}},
    };
    for (const auto &[base, level, statistic, expected] : cases) {
        SCOPED_TRACE(testing::Message() << "base " << base << " level " << level << " stat "
                                        << static_cast<int>(statistic));
        const Bands bands = bandsOf(base, level, statistic);
        for (std::size_t band = 0; band < 4; ++band)
            EXPECT_EQ(formatNumber(bands[band]), formatNumber(expected[band])) << "band " << band;
    }
    // The fraction stays in the number itself; only the window's boxes cut it.
    EXPECT_EQ(formatNumber(rangeValue(45, 70, Statistic::HP, StatBand::trainedMin)), "187.8");
    EXPECT_EQ(formatNumber(rangeValue(45, 0.5, Statistic::HP, StatBand::wildMin)), "10.95");
}

TEST(GridBoxNumber, CountsRowByRow)
{
    EXPECT_EQ(gridBoxNumber(Statistic::HP, StatBand::wildMin), 1);
    EXPECT_EQ(gridBoxNumber(Statistic::HP, StatBand::trainedMax), 4);
    EXPECT_EQ(gridBoxNumber(Statistic::attack, StatBand::wildMin), 5);
    EXPECT_EQ(gridBoxNumber(Statistic::speed, StatBand::trainedMin), 15);
    EXPECT_EQ(gridBoxNumber(Statistic::special2, StatBand::trainedMax), 24);
}

TEST(StatAverage, TotalAverageAndFlags)
{
    struct Case
    {
        Bases bases;
        double total;
        std::string_view average;
        double averageShown; // what the four-character average box reads back as
        std::array<int, 6> flags;
    };
    const Case cases[] = {
        {{45, 49, 49, 45, 65, 65}, 318, "53", 53, {1, 1, 1, 1, 0, 0}},
        {{0, 0, 0, 0, 0, 0}, 0, "0", 0, {0, 0, 0, 0, 0, 0}},
        {{48, 48, 48, 48, 48, 48}, 288, "48", 48, {0, 0, 0, 0, 0, 0}},
        {{10, 55, 25, 95, 35, 45}, 265, "44.1666666666667", 44.1, {1, 0, 1, 0, 1, 0}},
        {{90, 85, 100, 85, 95, 125}, 580, "96.6666666666667", 96.6, {1, 1, 0, 1, 1, 0}},
        {{106, 110, 90, 130, 154, 90}, 680, "113.333333333333", 113, {1, 1, 1, 0, 0, 1}},
    };
    for (const auto &[bases, total, average, averageShown, flags] : cases) {
        SCOPED_TRACE(testing::Message() << "total " << total);
        EXPECT_EQ(statTotal(bases), total);
        EXPECT_EQ(formatNumber(statAverage(total)), average);
        for (std::size_t i = 0; i < 6; ++i)
            EXPECT_EQ(belowAverage(bases[i], averageShown), flags[i]) << "flag " << i;
    }
}

TEST(BelowAverage, IsStrict)
{
    EXPECT_EQ(belowAverage(100, 100), 0);
    EXPECT_EQ(belowAverage(99.9, 100), 1);
    EXPECT_EQ(belowAverage(100.5, 100), 0);
    // The box keeps "100." of 100.5, so a base of 100 is not below what it shows.
    EXPECT_EQ(belowAverage(100, parseLenient(std::string(formatNumber(603.0 / 6)).substr(0, 4))),
              0);
}

} // namespace
} // namespace vexlet
