#include "NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <string>

namespace {

struct FormatCase {
    std::string name;
    double value;
    std::string text;
};

class FormatDecimalTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatDecimalTest, PrintsLikePercentFifteenG)
{
    EXPECT_EQ(engine::FormatDecimal(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Rows, FormatDecimalTest, testing::Values(
    FormatCase{"Whole", 3.0, "3"},
    FormatCase{"NegativeWhole", -12.0, "-12"},
    FormatCase{"NegativeZero", -0.0, "0"},
    FormatCase{"WholeBeyondFifteenDigits", 9007199254740992.0, "9007199254740992"},
    FormatCase{"Quarter", 0.25, "0.25"},
    FormatCase{"NegativeQuarter", -0.25, "-0.25"},
    FormatCase{"FiveSixths", 5.0 / 6.0, "0.833333333333333"},
    FormatCase{"TwoThirdsRoundsUp", 2.0 / 3.0, "0.666666666666667"},
    FormatCase{"SmallestPlain", 1e-4, "0.0001"},
    FormatCase{"BelowPlainRange", 1e-5, "1E-05"},
    FormatCase{"LargeWithFraction", 1234567890123456.5, "1.23456789012346E+15"},
    FormatCase{"FifteenDigitsWithFraction", 123456789012345.5, "123456789012346"},
    FormatCase{"TwelveDigitsAndFraction", 123456789012.25, "123456789012.25"}),
    [](const auto& info) { return info.param.name; });

TEST(FormatDecimal, IgnoresTheLocaleDecimalSeparator)
{
    struct CommaPoint : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
    const std::string text = engine::FormatDecimal(0.25);
    std::locale::global(previous);
    EXPECT_EQ(text, "0.25");
}

TEST(FormatWhole, PrintsPlainDigits)
{
    EXPECT_EQ(engine::FormatWhole(0), "0");
    EXPECT_EQ(engine::FormatWhole(-4), "-4");
    EXPECT_EQ(engine::FormatWhole(9999800001), "9999800001");
}

TEST(ParseDigitRun, StopsExactlyAtTwoToThe53)
{
    EXPECT_EQ(engine::ParseDigitRun("0009007199254740992"), 9007199254740992);
    EXPECT_EQ(engine::ParseDigitRun("9007199254740993"), std::nullopt);
    EXPECT_EQ(engine::ParseDigitRun(std::string(400, '9')), std::nullopt);
    EXPECT_EQ(engine::ParseDigitRun("0"), 0);
}

} // namespace
