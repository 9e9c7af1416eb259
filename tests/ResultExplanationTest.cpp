#include "ExactValue.h"
#include "ResultExplanation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using engine::ExactValue;
using engine::MixedNumber;

struct ExactCase {
    std::string name;
    MixedNumber result; // as the evaluation leaves it
    ExactValue exact;
};

class ToExactValueTest : public testing::TestWithParam<ExactCase> {};

TEST_P(ToExactValueTest, GivesSignAndProperFractionInLowestTerms)
{
    EXPECT_EQ(engine::ToExactValue(GetParam().result), GetParam().exact);
}

INSTANTIATE_TEST_SUITE_P(Rows, ToExactValueTest, testing::Values(
    ExactCase{"SignOnDenominator", {0, 1, -4}, {true, 0, 1, 4}},
    ExactCase{"WholeMinusFraction", {2, 1, -4}, {false, 1, 3, 4}},
    ExactCase{"NegativeWholePlusFraction", {-1, 1, 4}, {true, 0, 3, 4}},
    ExactCase{"NegativeWholeMinusFraction", {-1, 1, -4}, {true, 1, 1, 4}},
    ExactCase{"LargerNegativeWholePlusFraction", {-2, 1, 4}, {true, 1, 3, 4}},
    ExactCase{"UnreducedLeftByTheResultReduction", {0, 10403, 10807}, {false, 0, 103, 107}},
    ExactCase{"Whole", {3, 0, 1}, {false, 3, 0, 1}},
    ExactCase{"NegativeWhole", {-5, 0, 1}, {true, 5, 0, 1}},
    ExactCase{"ZeroOverAnything", {0, 0, 101}, {false, 0, 0, 1}},
    ExactCase{"AtTheLimit", {9007199254740992, 1, -3}, {false, 9007199254740991, 2, 3}}),
    [](const auto& info) { return info.param.name; });

struct TextCase {
    std::string name;
    ExactValue value;
    std::string expansion;
    std::string reading;
    std::string tooltip;
};

class ExplanationTest : public testing::TestWithParam<TextCase> {};

TEST_P(ExplanationTest, ExpansionReadingAndTooltip)
{
    EXPECT_EQ(engine::DecimalExpansion(GetParam().value), GetParam().expansion);
    EXPECT_EQ(engine::ChineseReading(GetParam().value), GetParam().reading);
    EXPECT_EQ(engine::ResultTooltip(GetParam().value), GetParam().tooltip);
}

const std::string kOneOver97 = "0.010309278350515463917525773195876288659793814432989690721649…";
const std::string kOneOver107Period = "0.(00934579439252336448598130841121495327102803738317757)";

INSTANTIATE_TEST_SUITE_P(Rows, ExplanationTest, testing::Values(
    TextCase{"RepeatsAfterOneDigit", {false, 0, 5, 6}, "0.8(3)", "6分之5，等于 0.8(3)", "= 5/6 = 0.8(3)"},
    TextCase{"Terminates", {false, 1, 3, 4}, "1.75", "1又4分之3，等于 1.75", "= 1又3/4 = 1.75"},
    TextCase{"PureRepeat", {false, 0, 1, 7}, "0.(142857)", "7分之1，等于 0.(142857)", "= 1/7 = 0.(142857)"},
    TextCase{"Negative", {true, 0, 1, 4}, "-0.25", "负4分之1，等于 -0.25", "= -1/4 = -0.25"},
    TextCase{"NegativeMixed", {true, 2, 1, 3}, "-2.(3)", "负2又3分之1，等于 -2.(3)", "= -2又1/3 = -2.(3)"},
    TextCase{"Whole", {false, 3, 0, 1}, "3", "3", "= 3"},
    TextCase{"NegativeWhole", {true, 3, 0, 1}, "-3", "负3", "= -3"},
    TextCase{"Zero", {false, 0, 0, 1}, "0", "0", "= 0"},
    TextCase{"PeriodLongerThanShown", {false, 0, 1, 97}, kOneOver97, "97分之1，约等于 " + kOneOver97,
             "= 1/97 = " + kOneOver97},
    TextCase{"PeriodOfFiftyThree", {false, 0, 1, 107}, kOneOver107Period, "107分之1，等于 " + kOneOver107Period,
             "= 1/107 = " + kOneOver107Period},
    TextCase{"FiftyThreeDigitsThatEnd", {false, 0, 1, 9007199254740992},
             "0.00000000000000011102230246251565404236316680908203125",
             "9007199254740992分之1，等于 0.00000000000000011102230246251565404236316680908203125",
             "= 1/9007199254740992 = 0.00000000000000011102230246251565404236316680908203125"}),
    [](const auto& info) { return info.param.name; });

TEST(DecimalExpansion, StopsAtSixtyDigitsForTheLongestPeriods)
{
    // 2^53 - 111 is prime; its period runs to quadrillions of digits.
    const std::string text = engine::DecimalExpansion({false, 0, 1, 9007199254740881});
    EXPECT_EQ(text.size(), 2 + 60 + std::string("…").size());
    EXPECT_EQ(text.substr(text.size() - 3), "…");
}

} // namespace
