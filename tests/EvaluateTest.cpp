#include "Evaluate.h"
#include "MemoryFieldSet.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using engine::MemoryFieldSet;
namespace text = engine::text;

// Texts of t(1)..t(6): whole A, denominator A, numerator A, whole B, denominator B, numerator B.
using OperandTexts = std::array<std::string, 6>;
// Texts of t(1)..t(10) after a successful evaluation.
using FieldTexts = std::array<std::string, 10>;

constexpr std::int16_t kAdd = 1, kSubtract = 2, kMultiply = 3, kDivide = 4;

struct Calculator {
    engine::CalcState state;
    MemoryFieldSet fields;

    void enter(const OperandTexts& texts)
    {
        for (int i = 0; i < 6; ++i)
            fields.set(i + 1, texts[static_cast<std::size_t>(i)]);
    }

    void press(std::int16_t opCode)
    {
        state.OpCode = opCode;
        equals();
    }

    void equals()
    {
        fields.forgetHistory();
        engine::Evaluate(state, fields);
    }

    FieldTexts shown() const
    {
        FieldTexts out;
        for (int i = 0; i < 10; ++i)
            out[static_cast<std::size_t>(i)] = fields.read(i + 1);
        return out;
    }
};

struct SuccessCase {
    std::string name;
    OperandTexts in;
    std::int16_t opCode;
    FieldTexts out;
};

class EvaluateSuccess : public testing::TestWithParam<SuccessCase> {};

TEST_P(EvaluateSuccess, WritesOperandsAndResultWithoutMessage)
{
    Calculator calc;
    calc.enter(GetParam().in);
    calc.press(GetParam().opCode);
    EXPECT_EQ(calc.shown(), GetParam().out);
    EXPECT_TRUE(calc.fields.messages().empty());
    EXPECT_EQ(calc.state.OpCode, 0);
}

//                                   t1   t2   t3   t4   t5   t6          t7    t8    t9   t10
INSTANTIATE_TEST_SUITE_P(Rows, EvaluateSuccess, testing::Values(
    SuccessCase{"HalfPlusThird", {"0", "2", "1", "0", "3", "1"}, kAdd,
                {"0", "2", "1", "0", "3", "1", "0", "6", "5", "0.833333333333333"}},
    SuccessCase{"EmptyWholesReadAsZero", {"", "3", "1", "", "3", "1"}, kAdd,
                {"0", "3", "1", "0", "3", "1", "0", "3", "2", "0.666666666666667"}},
    SuccessCase{"LeadingZerosDropped", {"007", "8", "0", "8", "1", "0"}, kAdd,
                {"7", "1", "0", "8", "1", "0", "15", "1", "0", "15"}},
    SuccessCase{"OperandsNormalisedAndReduced", {"0", "8", "6", "2", "4", "7"}, kAdd,
                {"0", "4", "3", "3", "4", "3", "4", "2", "1", "4.5"}},
    SuccessCase{"WholeResult", {"1", "2", "1", "1", "2", "1"}, kAdd,
                {"1", "2", "1", "1", "2", "1", "3", "1", "0", "3"}},
    SuccessCase{"SignOnDenominator", {"0", "2", "1", "0", "4", "3"}, kSubtract,
                {"0", "2", "1", "0", "4", "3", "0", "-4", "1", "-0.25"}},
    SuccessCase{"NegativeWhole", {"1", "2", "1", "2", "4", "1"}, kSubtract,
                {"1", "2", "1", "2", "4", "1", "-1", "4", "1", "-0.75"}},
    SuccessCase{"WholeAndNegativeFraction", {"3", "4", "1", "1", "2", "1"}, kSubtract,
                {"3", "4", "1", "1", "2", "1", "2", "-4", "1", "1.75"}},
    SuccessCase{"Product", {"1", "2", "1", "0", "3", "2"}, kMultiply,
                {"1", "2", "1", "0", "3", "2", "1", "1", "0", "1"}},
    SuccessCase{"Quotient", {"0", "2", "1", "0", "4", "1"}, kDivide,
                {"0", "2", "1", "0", "4", "1", "2", "1", "0", "2"}},
    SuccessCase{"UnreducibleByTheBoundedPasses", {"0", "107", "101", "0", "101", "103"}, kMultiply,
                {"0", "107", "101", "1", "101", "2", "0", "10807", "10403", "0.962616822429907"}},
    SuccessCase{"WholeAtTheLimit", {"9007199254740992", "1", "0", "0", "1", "0"}, kAdd,
                {"9007199254740992", "1", "0", "0", "1", "0", "9007199254740992", "1", "0", "9007199254740992"}},
    SuccessCase{"DenominatorAtTheLimit", {"0", "9007199254740992", "1", "0", "1", "0"}, kAdd,
                {"0", "9007199254740992", "1", "0", "1", "0", "0", "9007199254740992", "1", "1.11022302462516E-16"}},
    SuccessCase{"DecimalRoundedToFifteenDigits", {"", "900719821", "9007198254740990", "1", "3", "2"}, kAdd,
                {"10000000", "900719821", "44740990", "1", "3", "2", "10000001", "2702159463", "1935662612",
                 "10000001.7163392"}},
    SuccessCase{"LargestFiveDigitProduct", {"99999", "1", "0", "99999", "1", "0"}, kMultiply,
                {"99999", "1", "0", "99999", "1", "0", "9999800001", "1", "0", "9999800001"}}),
    [](const auto& info) { return info.param.name; });

struct MessageCase {
    std::string name;
    OperandTexts in;
    std::int16_t opCode;
    std::string message;
};

class EvaluateMessage : public testing::TestWithParam<MessageCase> {};

TEST_P(EvaluateMessage, ShowsOneMessageAndWritesOnlyZeroWholes)
{
    Calculator calc;
    calc.enter(GetParam().in);
    calc.fields.set(7, "earlier");
    calc.press(GetParam().opCode);

    EXPECT_EQ(calc.fields.messages(), std::vector<std::string>{GetParam().message});
    for (const auto& write : calc.fields.writes()) {
        EXPECT_TRUE(write.index == 1 || write.index == 4) << "wrote t(" << write.index << ")";
        EXPECT_EQ(write.text, "0");
    }
    EXPECT_EQ(calc.fields.read(7), "earlier");
    EXPECT_EQ(calc.state.OpCode, 0);
    EXPECT_EQ(calc.state.number(engine::Slot::R), engine::MixedNumber{});
}

INSTANTIATE_TEST_SUITE_P(Rows, EvaluateMessage, testing::Values(
    MessageCase{"AllEmptyNoOperation", {"", "", "", "", "", ""}, 0, text::kEnterCorrectly},
    MessageCase{"EmptyDenominator", {"1", "", "1", "1", "2", "1"}, kAdd, text::kEnterCorrectly},
    MessageCase{"NoOperation", {"1", "2", "1", "1", "2", "1"}, 0, text::kChooseOperation},
    MessageCase{"UnknownOperation", {"1", "2", "1", "1", "2", "1"}, 9, text::kChooseOperation},
    MessageCase{"Space", {"1", "2 ", "1", "1", "2", "1"}, kAdd, text::kEnterCorrectly},
    MessageCase{"Sign", {"1", "2", "-1", "1", "2", "1"}, kAdd, text::kEnterCorrectly},
    MessageCase{"Plus", {"+1", "2", "1", "1", "2", "1"}, kAdd, text::kEnterCorrectly},
    MessageCase{"Point", {"1", "2", "1", "1.5", "2", "1"}, kAdd, text::kEnterCorrectly},
    MessageCase{"Exponent", {"1", "2", "1", "1", "1e3", "1"}, kAdd, text::kEnterCorrectly},
    MessageCase{"FullWidthDigit", {"1", "2", "1", "1", "2", "\xEF\xBC\x91"}, kAdd, text::kEnterCorrectly},
    MessageCase{"Letters", {"1", "2", "1", "1", "2", "abc"}, kAdd, text::kEnterCorrectly},
    MessageCase{"InvalidUtf8", {"1", "2", "1", "\xFF", "2", "1"}, kAdd, text::kEnterCorrectly},
    MessageCase{"ArabicIndicDigit", {"1", "\xD9\xA1", "1", "1", "2", "1"}, kAdd, text::kEnterCorrectly},
    MessageCase{"BadTextBeforeNoOperation", {"x", "2", "1", "1", "2", "1"}, 0, text::kEnterCorrectly},
    MessageCase{"ZeroDenominator", {"1", "0", "1", "1", "2", "1"}, kAdd, text::kZeroDenominator},
    MessageCase{"ZeroDenominatorOfZeros", {"1", "2", "1", "1", "000", "0"}, kAdd, text::kZeroDenominator},
    MessageCase{"NoOperationBeforeZeroDenominator", {"1", "0", "1", "1", "2", "1"}, 0, text::kChooseOperation},
    MessageCase{"ZeroDenominatorBeforeRange", {"99999999999999999999", "0", "1", "1", "2", "1"}, kAdd,
                text::kZeroDenominator},
    MessageCase{"OneAboveTheLimit", {"9007199254740993", "1", "0", "0", "1", "0"}, kAdd, text::kOutOfRange},
    MessageCase{"MillionDigits", {std::string(1000000, '9'), "1", "0", "0", "1", "0"}, kAdd, text::kOutOfRange},
    MessageCase{"RangeBeforeZeroDivisor", {"0", "1", "99999999999999999999", "0", "1", "0"}, kDivide,
                text::kOutOfRange},
    MessageCase{"ZeroDivisor", {"5", "2", "1", "0", "7", "0"}, kDivide, text::kZeroDivisor},
    MessageCase{"ZeroDivisorWithZeroWhole", {"5", "2", "1", "", "7", "000"}, kDivide, text::kZeroDivisor},
    MessageCase{"NormalisedWholePastLimit", {"9007199254740992", "1", "1", "0", "1", "0"}, kAdd,
                text::kOutOfRange},
    MessageCase{"ResultPastLimit", {"9007199254740992", "1", "0", "1", "1", "0"}, kAdd, text::kOutOfRange},
    MessageCase{"ProductOfDenominatorsPastLimit", {"0", "99999999", "1", "0", "99999999", "1"}, kAdd,
                text::kOutOfRange}),
    [](const auto& info) { return info.param.name; });

TEST(EvaluateSequence, EachEqualsUsesUpTheOperation)
{
    Calculator calc;
    calc.enter({"1", "", "1", "1", "2", "1"});
    calc.press(kAdd);
    EXPECT_EQ(calc.fields.messages(), std::vector<std::string>{text::kEnterCorrectly});

    calc.fields.set(2, "2");
    calc.equals();
    EXPECT_EQ(calc.fields.messages(), std::vector<std::string>{text::kChooseOperation});

    calc.press(kAdd);
    EXPECT_TRUE(calc.fields.messages().empty());
    EXPECT_EQ(calc.fields.read(7), "3");
}

TEST(EvaluateSequence, EmptyWholesAreFilledEvenWhenTheCheckFails)
{
    Calculator calc;
    calc.equals();
    EXPECT_EQ(calc.fields.read(1), "0");
    EXPECT_EQ(calc.fields.read(4), "0");
    const std::vector<MemoryFieldSet::Write> zeros{{1, "0"}, {4, "0"}};
    EXPECT_EQ(calc.fields.writes(), zeros);
}

TEST(EvaluateSequence, WritesTheTenFieldsInOrderAndNeverTheSpare)
{
    Calculator calc;
    calc.fields.set(0, "spare");
    calc.enter({"1", "2", "1", "1", "2", "1"});
    calc.press(kAdd);
    ASSERT_EQ(calc.fields.writes().size(), 10u);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(calc.fields.writes()[static_cast<std::size_t>(i)].index, i + 1);
    EXPECT_EQ(calc.fields.read(0), "spare");
}

TEST(EvaluateSequence, FailedCheckLeavesTheNumbersCleared)
{
    Calculator calc;
    calc.enter({"1", "2", "1", "1", "2", "1"});
    calc.press(kAdd);
    ASSERT_NE(calc.state.decimalValue, 0.0);

    calc.equals();
    EXPECT_EQ(calc.state.noOperationError, -1);
    EXPECT_EQ(calc.state.decimalValue, 0.0);
    EXPECT_EQ(calc.state.number(engine::Slot::A), engine::MixedNumber{});
}

} // namespace
