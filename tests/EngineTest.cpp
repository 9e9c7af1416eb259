#include "Evaluate.h"
#include "ExactValue.h"
#include "MemoryFieldSet.h"
#include "Operation.h"
#include "Problem.h"
#include "ResultExplanation.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using engine::Operation;
using engine::Problem;

// Texts of t(1)..t(6): whole A, denominator A, numerator A, whole B, denominator B, numerator B.
using OperandTexts = std::array<std::string, 6>;

struct Calculator {
    engine::CalcState state;
    support::MemoryFieldSet fields;

    Calculator(const OperandTexts& in, std::int16_t opCode)
    {
        for (int i = 0; i < 6; ++i)
            fields.set(i + 1, in[static_cast<std::size_t>(i)]);
        fields.set(engine::field::kWholeR, "earlier");
        state.OpCode = opCode;
        engine::Evaluate(state, fields);
    }
};

std::int16_t Code(Operation operation)
{
    return engine::ToOpCode(operation);
}

TEST(ProblemText, EachProblemReadsAsTheUserSeesIt)
{
    const std::pair<Problem, const char*> rows[] = {{Problem::EnterCorrectly, "请正确输入"},
                                                    {Problem::ChooseOperation, "请选择计算种类"},
                                                    {Problem::ZeroDenominator, "分母不能为零"},
                                                    {Problem::OutOfRange, "数值超出范围"},
                                                    {Problem::ZeroDivisor, "除数不能为零"}};
    for (const auto& [problem, text] : rows)
        EXPECT_EQ(engine::ProblemText(problem), text);
}

struct Example {
    std::string name;
    OperandTexts in;
    Operation operation;
    std::array<std::string, 10> out; // t(1)..t(10)
    std::string tooltip;
    std::string reading;
};

class Examples : public testing::TestWithParam<Example> { };

TEST_P(Examples, WriteOperandsResultAndExplanation)
{
    const Example& row = GetParam();
    const Calculator calc(row.in, Code(row.operation));
    std::array<std::string, 10> shown;
    for (int i = 1; i <= 10; ++i)
        shown[static_cast<std::size_t>(i - 1)] = calc.fields.read(i);
    EXPECT_EQ(shown, row.out);
    EXPECT_TRUE(calc.fields.messages().empty());
    EXPECT_EQ(calc.state.OpCode, 0);
    ASSERT_EQ(calc.fields.writes().size() - (row.in[0].empty() + row.in[3].empty()), 10u);
    const engine::ExactValue exact = engine::ToExactValue(calc.state.number(engine::Slot::R));
    EXPECT_EQ(engine::ResultTooltip(exact), row.tooltip);
    EXPECT_EQ(engine::ChineseReading(exact), row.reading);
}

constexpr auto kAdd = Operation::Add, kSub = Operation::Subtract, kMul = Operation::Multiply, kDiv = Operation::Divide;
const std::string k60Digits = "10000001.716339149670679520515033349828621864719313939319501959385288…";
const std::string kPeriod107 = "0.(96261682242990654205607476635514018691588785046728971)";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Examples, testing::Values(
    Example{"HalfPlusThird", {"0", "2", "1", "0", "3", "1"}, kAdd,
            {"0", "2", "1", "0", "3", "1", "0", "6", "5", "0.833333333333333"}, "= 5/6 = 0.8(3)",
            "6分之5，等于 0.8(3)"},
    Example{"EmptyWholesReadAsZero", {"", "3", "1", "", "3", "1"}, kAdd,
            {"0", "3", "1", "0", "3", "1", "0", "3", "2", "0.666666666666667"}, "= 2/3 = 0.(6)", "3分之2，等于 0.(6)"},
    Example{"LeadingZerosDropped", {"007", "1", "0", "8", "1", "0"}, kAdd,
            {"7", "1", "0", "8", "1", "0", "15", "1", "0", "15"}, "= 15", "15"},
    Example{"OperandsNormalisedAndReduced", {"0", "8", "6", "2", "4", "7"}, kAdd,
            {"0", "4", "3", "3", "4", "3", "4", "2", "1", "4.5"}, "= 4又1/2 = 4.5", "4又2分之1，等于 4.5"},
    Example{"WholeResult", {"1", "2", "1", "1", "2", "1"}, kAdd,
            {"1", "2", "1", "1", "2", "1", "3", "1", "0", "3"}, "= 3", "3"},
    Example{"SignOnDenominator", {"0", "2", "1", "0", "4", "3"}, kSub,
            {"0", "2", "1", "0", "4", "3", "0", "-4", "1", "-0.25"}, "= -1/4 = -0.25", "负4分之1，等于 -0.25"},
    Example{"NegativeWhole", {"1", "2", "1", "2", "4", "1"}, kSub,
            {"1", "2", "1", "2", "4", "1", "-1", "4", "1", "-0.75"}, "= -3/4 = -0.75", "负4分之3，等于 -0.75"},
    Example{"WholeAndNegativeFraction", {"3", "4", "1", "1", "2", "1"}, kSub,
            {"3", "4", "1", "1", "2", "1", "2", "-4", "1", "1.75"}, "= 1又3/4 = 1.75", "1又4分之3，等于 1.75"},
    Example{"Product", {"2", "4", "7", "0", "8", "6"}, kMul,
            {"3", "4", "3", "0", "4", "3", "2", "16", "13", "2.8125"}, "= 2又13/16 = 2.8125",
            "2又16分之13，等于 2.8125"},
    Example{"Quotient", {"0", "2", "1", "0", "4", "1"}, kDiv,
            {"0", "2", "1", "0", "4", "1", "2", "1", "0", "2"}, "= 2", "2"},
    Example{"UnreducibleByTheBoundedPasses", {"0", "107", "101", "0", "101", "103"}, kMul,
            {"0", "107", "101", "1", "101", "2", "0", "10807", "10403", "0.962616822429907"},
            "= 103/107 = " + kPeriod107, "107分之103，等于 " + kPeriod107},
    Example{"WholeAtTheLimit", {"9007199254740992", "1", "0", "0", "1", "0"}, kAdd,
            {"9007199254740992", "1", "0", "0", "1", "0", "9007199254740992", "1", "0", "9007199254740992"},
            "= 9007199254740992", "9007199254740992"},
    Example{"TinyDecimalInExponentForm", {"0", "100000", "1", "0", "1", "0"}, kAdd,
            {"0", "100000", "1", "0", "1", "0", "0", "100000", "1", "1E-05"}, "= 1/100000 = 0.00001",
            "100000分之1，等于 0.00001"},
    Example{"ExpansionCutShort", {"0", "97", "1", "0", "1", "0"}, kAdd,
            {"0", "97", "1", "0", "1", "0", "0", "97", "1", "0.0103092783505155"},
            "= 1/97 = 0.010309278350515463917525773195876288659793814432989690721649…",
            "97分之1，约等于 0.010309278350515463917525773195876288659793814432989690721649…"},
    Example{"DecimalRoundedToFifteenDigits", {"", "900719821", "9007198254740990", "1", "3", "2"}, kAdd,
            {"10000000", "900719821", "44740990", "1", "3", "2", "10000001", "2702159463", "1935662612",
             "10000001.7163392"},
            "= 10000001又1935662612/2702159463 = " + k60Digits, "10000001又2702159463分之1935662612，约等于 " + k60Digits}),
    [](const auto& info) { return info.param.name; });
// clang-format on

struct Guard {
    std::string name;
    OperandTexts in;
    std::int16_t opCode;
    Problem problem;
};

class Guards : public testing::TestWithParam<Guard> { };

TEST_P(Guards, ShowOneMessageAndWriteOnlyZeroWholes)
{
    const Guard& row = GetParam();
    const Calculator calc(row.in, row.opCode);
    EXPECT_TRUE(calc.fields.showedOnly(row.problem)) << calc.fields.messages().size();
    for (const auto& write : calc.fields.writes()) {
        EXPECT_TRUE(write.index == 1 || write.index == 4) << "wrote t(" << write.index << ")";
        EXPECT_EQ(write.text, "0");
        EXPECT_TRUE(row.in[static_cast<std::size_t>(write.index - 1)].empty());
    }
    EXPECT_EQ(calc.fields.read(engine::field::kWholeR), "earlier");
    EXPECT_EQ(calc.state.OpCode, 0);
    EXPECT_EQ(calc.state.number(engine::Slot::R), engine::MixedNumber{});
    EXPECT_EQ(calc.state.inputError, row.problem == Problem::EnterCorrectly ? -1 : 0);
    EXPECT_EQ(calc.state.noOperationError, row.problem == Problem::ChooseOperation ? -1 : 0);
}

const std::string kTooLarge = "9007199254740993";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Guards, testing::Values(
    Guard{"AllEmptyNoOperation", {"", "", "", "", "", ""}, 0, Problem::EnterCorrectly},
    Guard{"EmptyDenominator", {"1", "", "1", "1", "2", "1"}, Code(kAdd), Problem::EnterCorrectly},
    Guard{"NotDigits", {"1", "2", "-1", "1", "2", "1.5"}, Code(kAdd), Problem::EnterCorrectly},
    Guard{"FullWidthDigit", {"1", "2", "1", "1", "2", "\xEF\xBC\x91"}, Code(kAdd), Problem::EnterCorrectly},
    Guard{"BadTextBeforeNoOperation", {"x", "2", "1", "1", "2", "1"}, 0, Problem::EnterCorrectly},
    Guard{"NoOperation", {"", "2", "1", "1", "2", "1"}, 0, Problem::ChooseOperation},
    Guard{"UnknownOperation", {"1", "2", "1", "1", "2", "1"}, 5, Problem::ChooseOperation},
    Guard{"NoOperationBeforeZeroDenominator", {"1", "0", "1", "1", "2", "1"}, 0, Problem::ChooseOperation},
    Guard{"ZeroDenominatorOfB", {"1", "2", "1", "", "000", "0"}, Code(kAdd), Problem::ZeroDenominator},
    Guard{"ZeroDenominatorBeforeRange", {kTooLarge, "0", "1", "1", "2", "1"}, Code(kAdd), Problem::ZeroDenominator},
    Guard{"MillionDigits", {std::string(1000000, '9'), "1", "0", "0", "1", "0"}, Code(kAdd), Problem::OutOfRange},
    Guard{"RangeBeforeZeroDivisor", {"0", "1", kTooLarge, "0", "1", "0"}, Code(kDiv), Problem::OutOfRange},
    Guard{"ZeroDivisor", {"5", "2", "1", "", "7", "000"}, Code(kDiv), Problem::ZeroDivisor},
    Guard{"NormalisedWholePastLimit", {"9007199254740992", "1", "1", "0", "1", "0"}, Code(kAdd),
          Problem::OutOfRange},
    Guard{"ProductOfDenominatorsPastLimit", {"0", "99999999", "1", "0", "99999999", "1"}, Code(kAdd),
          Problem::OutOfRange}),
    [](const auto& info) { return info.param.name; });
// clang-format on

} // namespace
