// Properties of the number texts over many generated inputs, checked against the independent
// oracles of number_oracles.h.

#include "core/number_text.h"
#include "number_oracles.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <regex>

namespace vexlet {
namespace {

constexpr int kIterations = 200'000;

using oracle::isFormattedNumber;
using oracle::roundedTo15Digits;

double randomFiniteDouble(std::mt19937_64 &random)
{
    for (;;) {
        const double value = std::bit_cast<double>(random());
        if (std::isfinite(value))
            return value;
    }
}

// Texts over an alphabet that makes both numbers and near-numbers likely.
std::string randomNumberishText(std::mt19937_64 &random)
{
    static constexpr std::string_view alphabet = "0123456789012345.+-eE .,x\t\n";
    std::uniform_int_distribution<std::size_t> length(0, 9);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string text(length(random), ' ');
    for (char &c : text)
        c = alphabet[pick(random)];
    return text;
}

std::string randomBytes(std::mt19937_64 &random)
{
    std::uniform_int_distribution<std::size_t> length(0, 24);
    std::string text(length(random), '\0');
    for (char &c : text)
        c = static_cast<char>(random());
    return text;
}

TEST(FormatNumberProperty, ReadsBackAsTheValueRoundedTo15Digits)
{
    std::mt19937_64 random(20261207);
    for (int i = 0; i < kIterations; ++i) {
        const double value = randomFiniteDouble(random);
        const std::string text = formatNumber(value);
        SCOPED_TRACE(testing::Message() << std::hexfloat << value << " -> " << text);
        ASSERT_TRUE(isFormattedNumber(text));
        ASSERT_EQ(parseLenient(text), roundedTo15Digits(value));
    }
}

// Short decimals take the fast path through the shortest representation; their neighbours one
// bit away take the correctly rounded one. Both must agree with printf's rounding.
TEST(FormatNumberProperty, ShortDecimalsAndTheirNeighboursRoundAlike)
{
    std::mt19937_64 random(1440);
    std::uniform_int_distribution<int> digitCount(1, 17);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> exponent(-320, 308);
    for (int i = 0; i < kIterations / 4; ++i) {
        std::string text = std::to_string(digit(random) % 9 + 1) + '.';
        for (int n = digitCount(random); n > 1; --n)
            text += static_cast<char>('0' + digit(random));
        text += 'e' + std::to_string(exponent(random));
        const double value = std::strtod(text.c_str(), nullptr);
        for (double nearby : {value, std::nextafter(value, 0.0), std::nextafter(value, 1e308)}) {
            if (!std::isfinite(nearby) || nearby == 0.0)
                continue;
            const std::string shown = formatNumber(nearby);
            SCOPED_TRACE(testing::Message()
                         << text << " -> " << std::hexfloat << nearby << " -> " << shown);
            ASSERT_TRUE(isFormattedNumber(shown));
            ASSERT_EQ(parseLenient(shown), roundedTo15Digits(nearby));
        }
    }
}

TEST(FormatNumberProperty, ChoosesPositionalFormForExponentsMinus4To14)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    for (int exponent = -30; exponent <= 30; ++exponent) {
        for (int i = 0; i < 200; ++i) {
            const double value = mantissa(random) * std::pow(10.0, exponent);
            const std::string text = formatNumber(value);
            const int shown = static_cast<int>(std::floor(std::log10(roundedTo15Digits(value))));
            SCOPED_TRACE(testing::Message() << value << " -> " << text);
            ASSERT_EQ(text.find('E') == std::string::npos, shown >= -4 && shown <= 14);
        }
    }
}

TEST(FormatNumberProperty, WritesWholeNumbersBelow1e15Exactly)
{
    std::mt19937_64 random(151);
    std::uniform_int_distribution<long long> whole(-999'999'999'999'999, 999'999'999'999'999);
    for (int i = 0; i < kIterations; ++i) {
        const long long number = whole(random);
        const std::string text = formatNumber(static_cast<double>(number));
        ASSERT_EQ(text, std::to_string(number));
        ASSERT_EQ(parseLenient(text), static_cast<double>(number));
    }
}

TEST(ParseStrictProperty, AcceptsExactlyTheGrammarAndAgreesWithTheLenientReading)
{
    std::mt19937_64 random(1996);
    int accepted = 0;
    for (int i = 0; i < kIterations; ++i) {
        const std::string text = randomNumberishText(random);
        SCOPED_TRACE(testing::Message() << '"' << text << '"');
        const std::optional<double> strict = parseStrict(text);
        ASSERT_EQ(strict.has_value(), oracle::isStrictNumber(text));
        if (strict) {
            ++accepted;
            ASSERT_EQ(*strict, std::strtod(text.c_str(), nullptr));
            ASSERT_EQ(*strict, parseLenient(text));
        }
    }
    EXPECT_GT(accepted, kIterations / 20); // the generator does reach the grammar
}

TEST(ParseLenientProperty, ReadsTheLongestNumberPrefixAfterRemovingBlanks)
{
    const std::regex prefix(R"(^[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?)");
    std::mt19937_64 random(1998);
    for (int i = 0; i < kIterations; ++i) {
        const std::string text = randomNumberishText(random);
        std::string compact;
        for (char c : text) {
            if (c != ' ' && c != '\t' && c != '\n')
                compact += c;
        }
        std::smatch match;
        const double expected = std::regex_search(compact, match, prefix)
            ? std::strtod(match.str().c_str(), nullptr)
            : 0.0;
        SCOPED_TRACE(testing::Message() << '"' << text << '"');
        ASSERT_EQ(parseLenient(text), expected);
    }
}

TEST(NumberTextProperty, RandomBytesNeverMisbehave)
{
    std::mt19937_64 random(42);
    for (int i = 0; i < kIterations; ++i) {
        const std::string bytes = randomBytes(random);
        const double lenient = parseLenient(bytes);
        const std::optional<double> strict = parseStrict(bytes);
        ASSERT_FALSE(std::isnan(lenient));
        if (strict) {
            ASSERT_EQ(*strict, lenient);
        }
        ASSERT_TRUE(isFormattedNumber(formatNumber(lenient)));
        ASSERT_TRUE(isFormattedNumber(formatNumber(std::bit_cast<double>(random()))));
    }
}

} // namespace
} // namespace vexlet
