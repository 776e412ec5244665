#include "core/battle_experience.h"

#include <gtest/gtest.h>

namespace vexlet {
namespace {

TEST(BattleExperience, ScalesTheYieldByLevelBattleAndTrade)
{
    struct Case
    {
        std::string_view exp;
        std::string_view level;
        bool wild;
        CheckValue traded;
        std::string_view expected;
    };
    const Case cases[] = {
        {"64", "70", true, 0, "640"},
        {"64", "70", false, 0, "960"},
        {"64", "70", false, 1, "1440"},
        {"64", "70", true, 1, "960"},
        {"64", "50", true, 0, "457.142857142857"},
        {"64", "50", false, 0, "685.714285714286"},
        {"64", "50", false, 1, "1028.57142857143"},
        {"64", "1", true, 0, "9.14285714285714"},
        {"64", "100", false, 1, "2057.14285714286"},
        {"0", "70", false, 1, "0"}, // before any species was shown
        {"64", "70", true, 2, "640"}, // a greyed box is not a traded one
        {"64", "70", false, 2, "960"},
        {"255", "100", false, 1, "8196.42857142857"},
        {"64", "0.5", true, 0, "4.57142857142857"},
    };
    for (const auto &[exp, level, wild, traded, expected] : cases) {
        SCOPED_TRACE(testing::Message()
                     << exp << " at " << level << " wild " << wild << " traded " << traded);
        EXPECT_EQ(battleExperience(exp, level, wild, traded), expected);
    }
}

// Both factors multiply in order; for whole yields and levels the order does not show.
TEST(BattleExperience, BothFactorsGiveTwoAndAQuarterTimesTheYield)
{
    for (int yield = 20; yield <= 255; yield += 7) {
        for (int level = 1; level <= 100; level += 3) {
            const std::string exp = std::to_string(yield);
            const std::string text = std::to_string(level);
            const double plain = std::stod(battleExperience(exp, text, true, 0));
            const double both = std::stod(battleExperience(exp, text, false, 1));
            EXPECT_NEAR(both, plain * 2.25, 1e-9 * both) << yield << " at " << level;
        }
    }
}

} // namespace
} // namespace vexlet
