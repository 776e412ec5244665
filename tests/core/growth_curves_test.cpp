#include "core/growth_curves.h"
#include "core/number_text.h"

#include <gtest/gtest.h>

namespace vexlet {
namespace {

struct TotalAndGap
{
    std::string_view total;
    std::string_view gap;
};

// Every cell decides last digits that a fused multiply-add or a reordered sum would change:
// the parabolic total at 2 and the fast gap at 99 among them.
TEST(GrowthCurves, TotalsAndGapsAsShown)
{
    struct Row
    {
        std::string_view level;
        TotalAndGap fast, medium, slow, parabolic;
    };
    const Row rows[] = {
        {"0", {"0", "0.8"}, {"0", "1"}, {"0", "1.25"}, {"-140", "86.2"}},
        {"1", {"0.8", "5.6"}, {"1", "7"}, {"1.25", "8.75"}, {"-53.8", "63.4"}},
        {"2", {"6.4", "15.2"}, {"8", "19"}, {"10", "23.75"}, {"9.59999999999999", "47.8"}},
        {"2.5", {"12.5", "21.8"}, {"15.625", "27.25"}, {"19.53125", "34.0625"}, {"35", "42.7"}},
        {"50",
         {"100000", "6120.8"},
         {"125000", "7651"},
         {"156250", "9563.75"},
         {"117360", "7766.19999999998"}},
        {"70",
         {"274400", "11928.8"},
         {"343000", "14911"},
         {"428750", "18638.75"},
         {"344960", "15878.2"}},
        {"99",
         {"776239.2", "23760.7999999999"},
         {"970299", "29701"},
         {"1212873.75", "37126.25"},
         {"1027103.8", "32756.2"}},
        {"100",
         {"800000", "24240.8"},
         {"1000000", "30301"},
         {"1250000", "37876.25"},
         {"1059860", "33446.2"}},
        {"150",
         {"2700000", "54360.8000000003"},
         {"3375000", "67951"},
         {"4218750", "84938.75"},
         {"3727360", "77126.1999999997"}},
        {"-1", {"-0.8", "0.8"}, {"-1", "1"}, {"-1.25", "1.25"}, {"-256.2", "116.2"}},
        {"999", {"797602399.2", "2397600.79999995"}, {}, {}, {}},
    };
    for (const Row &row : rows) {
        const std::pair<GrowthCurve, TotalAndGap> cells[]
            = {{GrowthCurve::fast, row.fast},
               {GrowthCurve::medium, row.medium},
               {GrowthCurve::slow, row.slow},
               {GrowthCurve::parabolic, row.parabolic}};
        for (const auto &[curve, expected] : cells) {
            if (expected.total.empty())
                continue;
            SCOPED_TRACE(testing::Message()
                         << "level " << row.level << " curve " << static_cast<int>(curve));
            EXPECT_EQ(formatNumber(experienceAt(curve, parseLenient(row.level))), expected.total);
            const std::optional<double> gap = gapToNextLevel(curve, row.level);
            ASSERT_TRUE(gap.has_value());
            EXPECT_EQ(formatNumber(*gap), expected.gap);
        }
    }
}

// n * n * n rounds twice and would give 43.2759999999999, 82.7439999999999 and
// 45.1960000000001 here.
TEST(GrowthCurves, PowersAreSingleRoundedOperations)
{
    const std::pair<std::string_view, std::string_view> gaps[]
        = {{"4.9", "43.276"}, {"7.2", "82.7439999999997"}, {"5.1", "45.1960000000002"}};
    for (const auto &[level, gap] : gaps) {
        SCOPED_TRACE(level);
        EXPECT_EQ(formatNumber(*gapToNextLevel(GrowthCurve::parabolic, level)), gap);
    }
}

TEST(GrowthCurves, NextLevelComesFromTheStrictReading)
{
    EXPECT_EQ(nextLevel("70"), 71.0);
    EXPECT_EQ(nextLevel(" 2.5 "), 3.5);
    EXPECT_EQ(nextLevel("070"), 71.0);
    EXPECT_EQ(nextLevel("-1"), 0.0);
    EXPECT_EQ(nextLevel("9e9"), 9000000001.0);
    for (std::string_view refused : {"", "  ", "abc", "7a", "1,5", "1e"}) {
        SCOPED_TRACE(refused);
        EXPECT_FALSE(nextLevel(refused).has_value());
        EXPECT_FALSE(gapToNextLevel(GrowthCurve::fast, refused).has_value());
    }
    // The lenient reading still gives a total for those texts.
    EXPECT_EQ(experienceAt(GrowthCurve::parabolic, parseLenient("")), -140);
    EXPECT_EQ(experienceAt(GrowthCurve::slow, parseLenient("")), 0);
}

} // namespace
} // namespace vexlet
