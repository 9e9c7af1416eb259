#include "Evaluate.h"
#include "ExactValue.h"
#include "MemoryFieldSet.h"
#include "ResultExplanation.h"
#include "Working.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

namespace {

// One press of "＝": t(1)..t(6) in, then t(1)..t(10) and the result's tooltip and reading,
// or the one message shown.
struct Row {
    std::string name;
    std::array<std::string, 6> in; // whole A, denominator A, numerator A, whole B, denominator B, numerator B
    std::int16_t opCode;
    std::string shown;                // t(1)..t(10) joined by ",", or the message
    std::string tooltip{}, reading{}; // none for a message
};

class Evaluate : public testing::TestWithParam<Row> { };

TEST_P(Evaluate, WritesTheFieldsOrShowsOneMessage)
{
    const Row& row = GetParam();
    support::MemoryFieldSet fields;
    for (int i = 0; i < 6; ++i)
        fields.set(i + 1, row.in[static_cast<std::size_t>(i)]);
    engine::CalcState state;
    state.OpCode = row.opCode;
    engine::Evaluate(state, fields);
    EXPECT_EQ(state.OpCode, 0);
    if (row.tooltip.empty()) {
        EXPECT_EQ(fields.messages, std::vector<std::string>{row.shown});
        for (const auto& [index, text] : fields.writes) // only an empty whole part, filled with "0"
            EXPECT_TRUE((index == 1 || index == 4) && text == "0"
                        && row.in[static_cast<std::size_t>(index) - 1].empty());
        return;
    }
    EXPECT_TRUE(fields.messages.empty());
    std::string shown = fields.read(1);
    for (int i = 2; i <= 10; ++i)
        shown += "," + fields.read(i);
    EXPECT_EQ(shown, row.shown);
    const engine::ExactValue exact = engine::ToExactValue(state.number(engine::Slot::R));
    EXPECT_EQ(engine::ResultTooltip(exact), row.tooltip);
    EXPECT_EQ(engine::ChineseReading(exact), row.reading);
}

constexpr std::int16_t kAdd = 1, kSub = 2, kMul = 3, kDiv = 4;
const std::string kLimit = "9007199254740992", kAboveLimit = "9007199254740993";
const std::string k60Digits = "10000001.716339149670679520515033349828621864719313939319501959385288…";
const std::string k97 = "0.010309278350515463917525773195876288659793814432989690721649…";
const std::string k107 = "0.(96261682242990654205607476635514018691588785046728971)";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Evaluate, testing::Values(
    Row{"HalfPlusThird", {"0", "2", "1", "0", "3", "1"}, kAdd, "0,2,1,0,3,1,0,6,5,0.833333333333333", "= 5/6 = 0.8(3)", "6分之5，等于 0.8(3)"},
    Row{"EmptyWholesReadAsZero", {"", "3", "1", "", "3", "1"}, kAdd, "0,3,1,0,3,1,0,3,2,0.666666666666667", "= 2/3 = 0.(6)", "3分之2，等于 0.(6)"},
    Row{"LeadingZerosDropped", {"007", "1", "0", "8", "1", "0"}, kAdd, "7,1,0,8,1,0,15,1,0,15", "= 15", "15"},
    Row{"OperandsNormalisedAndReduced", {"0", "8", "6", "2", "4", "7"}, kAdd, "0,4,3,3,4,3,4,2,1,4.5", "= 4又1/2 = 4.5", "4又2分之1，等于 4.5"},
    Row{"SignOnDenominator", {"0", "2", "1", "0", "4", "3"}, kSub, "0,2,1,0,4,3,0,-4,1,-0.25", "= -1/4 = -0.25", "负4分之1，等于 -0.25"},
    Row{"NegativeWhole", {"1", "2", "1", "2", "4", "1"}, kSub, "1,2,1,2,4,1,-1,4,1,-0.75", "= -3/4 = -0.75", "负4分之3，等于 -0.75"},
    Row{"WholeAndNegativeFraction", {"3", "4", "1", "1", "2", "1"}, kSub, "3,4,1,1,2,1,2,-4,1,1.75", "= 1又3/4 = 1.75", "1又4分之3，等于 1.75"},
    Row{"Product", {"2", "4", "7", "0", "8", "6"}, kMul, "3,4,3,0,4,3,2,16,13,2.8125", "= 2又13/16 = 2.8125", "2又16分之13，等于 2.8125"},
    Row{"UnreducibleByTheBoundedPasses", {"0", "107", "101", "0", "101", "103"}, kMul, "0,107,101,1,101,2,0,10807,10403,0.962616822429907", "= 103/107 = " + k107, "107分之103，等于 " + k107},
    Row{"DifferenceAtMinusTheLimit", {"0", "1", "0", kLimit, "1", "0"}, kSub, "0,1,0," + kLimit + ",1,0,-" + kLimit + ",1,0,-" + kLimit, "= -" + kLimit, "负" + kLimit},
    Row{"WholeAtTheLimit", {kLimit, "1", "0", "0", "1", "0"}, kAdd, kLimit + ",1,0,0,1,0," + kLimit + ",1,0," + kLimit, "= " + kLimit, kLimit},
    Row{"TinyDecimalInExponentForm", {"0", "100000", "1", "0", "1", "0"}, kAdd, "0,100000,1,0,1,0,0,100000,1,1E-05", "= 1/100000 = 0.00001", "100000分之1，等于 0.00001"},
    Row{"ExpansionCutShort", {"0", "97", "1", "0", "1", "0"}, kAdd, "0,97,1,0,1,0,0,97,1,0.0103092783505155", "= 1/97 = " + k97, "97分之1，约等于 " + k97},
    Row{"DecimalRoundedToFifteenDigits", {"", "900719821", "9007198254740990", "1", "3", "2"}, kAdd, "10000000,900719821,44740990,1,3,2,10000001,2702159463,1935662612,10000001.7163392", "= 10000001又1935662612/2702159463 = " + k60Digits, "10000001又2702159463分之1935662612，约等于 " + k60Digits},
    Row{"AllEmptyNoOperation", {"", "", "", "", "", ""}, 0, "请正确输入"},
    Row{"NotDigitsBeforeNoOperation", {"x", "2", "-1", "1", "2", "1.5"}, 0, "请正确输入"},
    Row{"FullWidthDigit", {"1", "2", "1", "1", "2", "\xEF\xBC\x91"}, kAdd, "请正确输入"},
    Row{"NoOperationBeforeZeroDenominator", {"", "0", "1", "1", "2", "1"}, 0, "请选择计算种类"},
    Row{"UnknownOperation", {"1", "2", "1", "1", "2", "1"}, 5, "请选择计算种类"},
    Row{"ZeroDenominatorOfBBeforeRange", {kAboveLimit, "2", "1", "", "000", "0"}, kAdd, "分母不能为零"},
    Row{"MillionDigits", {std::string(1000000, '9'), "1", "0", "0", "1", "0"}, kAdd, "数值超出范围"},
    Row{"RangeBeforeZeroDivisor", {"0", "1", kAboveLimit, "0", "1", "0"}, kDiv, "数值超出范围"},
    Row{"ZeroDivisor", {"5", "2", "1", "", "7", "000"}, kDiv, "除数不能为零"},
    Row{"NormalisedWholePastLimit", {kLimit, "1", "1", "0", "1", "0"}, kAdd, "数值超出范围"}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST(Working, ReadsAsATeacherWritesIt)
{
    using engine::Operation;
    const std::tuple<engine::MixedNumber, engine::MixedNumber, Operation, const char*> rows[]
        = {{{0, 1, 4}, {0, 1, 6}, Operation::Add, "1/4 + 1/6 = 3/12 + 2/12 = 5/12"},
           {{1, 1, 2}, {0, 2, 3}, Operation::Multiply, "1又1/2 × 2/3 = 3/2 × 2/3 = 6/6 = 1"},
           {{0, 1, 2}, {0, 1, 4}, Operation::Divide, "1/2 ÷ 1/4 = 1/2 × 4/1 = 4/2 = 2"},
           {{0, 3, 4}, {0, 3, 4}, Operation::Add, "3/4 + 3/4 = 6/4 = 3/2 = 1又1/2"},
           {{0, 1, 2}, {0, 3, 4}, Operation::Subtract, "1/2 − 3/4 = 2/4 − 3/4 = -1/4"},
           {{0, 1, 2}, {0, 1, 2}, Operation::Subtract, "1/2 − 1/2 = 0/2 = 0"}};
    for (const auto& [a, b, operation, working] : rows)
        EXPECT_EQ(engine::Working(a, b, operation), working);
}

} // namespace
