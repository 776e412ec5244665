#include "core/number_text.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace vexlet {
namespace {

struct ParseCase
{
    std::string_view text;
    double expected;
};

TEST(ParseLenient, ReadsTheLeadingNumber)
{
    const ParseCase cases[] = {
        {"70", 70},
        {"  70  ", 70},
        {"7 0", 70},
        {"\t7\n0 ", 70},
        {"70abc", 70},
        {"abc", 0},
        {"", 0},
        {"   ", 0},
        {"-3.5", -3.5},
        {"+3.5", 3.5},
        {"1.2E+3", 1200},
        {"1.2e3", 1200},
        {"1,5", 1},
        {"457.142857142857", 457.142857142857},
        {".5", 0.5},
        {"5.", 5},
        {"070", 70},
        {"1e", 1}, // an exponent letter without digits is not part of the number
        {"1e+", 1},
        {"1E-x", 1},
        {"2.5.7", 2.5}, // a second point ends the number
        {"1 e 2", 100}, // blanks go first, wherever they stand
        {"-", 0},
        {".", 0},
        {"-.e5", 0},
        {"E5", 0},
        {"$5", 0},
        {"--5", 0},
        {"9e9", 9e9},
        {"1e400", std::numeric_limits<double>::infinity()},
        {"-1e400", -std::numeric_limits<double>::infinity()},
        {"1e-400", 0},
        {"0.000e999999999999999999", 0},
        {"123456789e-999999999999999999999", 0},
        {"0.00001e99999999999", std::numeric_limits<double>::infinity()},
        {"4.9406564584124654e-324", 4.9406564584124654e-324},
        // Forms std::from_chars or strtod would take, but no number to the user here.
        {"inf", 0},
        {"nan", 0},
        {"Infinity", 0},
        {"0x1A", 0},
        {"0x1p3", 0},
        {"1,000", 1},
        {"(5)", 0},
        {"\xd9\xa3", 0}, // ARABIC-INDIC DIGIT THREE
        {"\xef\xbc\x97", 0}, // FULLWIDTH DIGIT SEVEN
    };
    for (const auto &[text, expected] : cases) {
        SCOPED_TRACE(testing::Message() << '"' << text << '"');
        EXPECT_EQ(parseLenient(text), expected);
    }
}

TEST(ParseStrict, AcceptsOnlyAWholeNumber)
{
    const ParseCase accepted[] = {
        {"70", 70},   {"  70  ", 70}, {"1e2", 100}, {"-5", -5},   {"+5", 5},
        {".5", 0.5},  {"5.", 5},      {"070", 70},  {"-0", 0},    {"1.5E-1", 0.15},
        {"9e9", 9e9}, {"\t12\n", 12}, {"0.5", 0.5}, {"101", 101}, {"1e400", INFINITY},
    };
    for (const auto &[text, expected] : accepted) {
        SCOPED_TRACE(testing::Message() << '"' << text << '"');
        const std::optional<double> value = parseStrict(text);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, expected);
    }

    const std::string_view refused[] = {"",
                                        " ",
                                        "   ",
                                        "70abc",
                                        "abc",
                                        "1,5",
                                        "1e",
                                        "1e+",
                                        "e5",
                                        ".",
                                        "-",
                                        "+",
                                        "7 0",
                                        "1.2.3",
                                        "--1",
                                        "0x10",
                                        "inf",
                                        "nan",
                                        "1e2.5",
                                        "5-",
                                        "(5)",
                                        "$5",
                                        "1_0",
                                        "\xef\xbc\x97",
                                        "\xc2\xa0"
                                        "5",
                                        "5%",
                                        "1e 2"};
    for (std::string_view text : refused) {
        SCOPED_TRACE(testing::Message() << '"' << text << '"');
        EXPECT_FALSE(parseStrict(text).has_value());
    }
}

struct FormatCase
{
    double value;
    std::string_view expected;
};

TEST(FormatNumber, WritesFifteenSignificantDigits)
{
    const FormatCase cases[] = {
        {640, "640"},
        {64.0 * 50.0 / 7.0, "457.142857142857"},
        {500.0 / 6.0, "83.3333333333333"},
        {1.0 / 3.0, "0.333333333333333"},
        {0.1 * 3.0, "0.3"},
        {0.8, "0.8"},
        {-53.8, "-53.8"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {1440, "1440"},
        {0.0, "0"},
        {-0.0, "0"},
        {187.8, "187.8"},
        {44.166666666666664, "44.1666666666667"},
        {999999999999999.5, "1E+15"}, // rounding to 15 digits carries into a new exponent
        {99999.99999999999, "100000"},
        {0.00012345, "0.00012345"},
        {0.000012345, "1.2345E-05"},
        {-1.5e20, "-1.5E+20"},
        {1e100, "1E+100"},
        {1.25e-300, "1.25E-300"},
        {4.9406564584124654e-324, "4.94065645841247E-324"},
        {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
        {12345678901234.5, "12345678901234.5"},
        {100000000000000.0, "100000000000000"},
        {std::numeric_limits<double>::infinity(), "Infinity"},
        {-std::numeric_limits<double>::infinity(), "-Infinity"},
        {std::numeric_limits<double>::quiet_NaN(), "NaN"},
    };
    for (const auto &[value, expected] : cases) {
        SCOPED_TRACE(testing::Message() << "value " << value);
        EXPECT_EQ(formatNumber(value), expected);
    }
}

TEST(FormatInteger, WritesPlainDigits)
{
    EXPECT_EQ(formatInteger(70), "70");
    EXPECT_EQ(formatInteger(0), "0");
    EXPECT_EQ(formatInteger(255), "255");
    EXPECT_EQ(formatInteger(-5), "-5");
    EXPECT_EQ(formatInteger(-32768), "-32768");
    EXPECT_EQ(formatInteger(32767), "32767");
}

TEST(Power, IsOneRoundedOperation)
{
    EXPECT_EQ(power(70, 3), 343000);
    EXPECT_EQ(power(101, 3), 1030301);
    EXPECT_EQ(power(-1, 3), -1);
    EXPECT_EQ(power(-2, 2), 4);
    // Two roundings (n * n * n) differ from one in the last bit for levels such as these.
    EXPECT_EQ(power(4.9, 3), std::pow(4.9, 3.0));
    EXPECT_EQ(formatNumber(power(4.9, 3) * 1.2), formatNumber(std::pow(4.9, 3.0) * 1.2));
}

TEST(VariantArithmetic, FollowsTheOperandTags)
{
    const Variant product = variantProduct(4480.0, std::int16_t {1});
    ASSERT_TRUE(std::holds_alternative<double>(product));
    EXPECT_EQ(std::get<double>(product), 4480);

    const Variant quotient = variantQuotient(6720.0, std::int16_t {7});
    ASSERT_TRUE(std::holds_alternative<double>(quotient));
    EXPECT_EQ(std::get<double>(quotient), 960);
    EXPECT_EQ(variantText(quotient), "960");

    // Integer operands still divide as doubles.
    EXPECT_EQ(variantText(variantQuotient(std::int16_t {1}, std::int16_t {7})),
              "0.142857142857143");

    // Two integers keep their tag while the product fits 16 bits, and widen beyond it.
    EXPECT_TRUE(std::holds_alternative<std::int16_t>(
        variantProduct(std::int16_t {300}, std::int16_t {100})));
    const Variant wide = variantProduct(std::int16_t {300}, std::int16_t {200});
    ASSERT_TRUE(std::holds_alternative<double>(wide));
    EXPECT_EQ(std::get<double>(wide), 60000);
    EXPECT_EQ(variantText(std::int16_t {-12}), "-12");
}

} // namespace
} // namespace vexlet
