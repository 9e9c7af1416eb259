#include "Arithmetic.h"
#include "Evaluate.h"
#include "ExactValue.h"
#include "LiteralArithmetic.h"
#include "MemoryFieldSet.h"
#include "Problem.h"
#include "ResultExplanation.h"

#include <boost/multiprecision/cpp_int.hpp>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numeric>
#include <optional>
#include <random>
#include <string>

// The engine through its evaluate command on fields held in memory: the documented examples
// and the guards in one table, then random operands against exact arithmetic.
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
    Row{"NegativeWhole", {"1", "2", "1", "2", "4", "1"}, kSub, "1,2,1,2,4,1,-1,4,1,-0.75", "= -3/4 = -0.75", "负4分之3，等于 -0.75"},
    Row{"WholeAndNegativeFraction", {"3", "4", "1", "1", "2", "1"}, kSub, "3,4,1,1,2,1,2,-4,1,1.75", "= 1又3/4 = 1.75", "1又4分之3，等于 1.75"},
    Row{"Product", {"2", "4", "7", "0", "8", "6"}, kMul, "3,4,3,0,4,3,2,16,13,2.8125", "= 2又13/16 = 2.8125", "2又16分之13，等于 2.8125"},
    Row{"LargeFactorFoundAtTheLastDivisor", {"0", "101", "100", "0", "103", "101"}, kMul, "0,101,100,0,103,101,0,103,100,0.970873786407767", "= 100/103 = 0.(9708737864077669902912621359223300)", "103分之100，等于 0.(9708737864077669902912621359223300)"},
    Row{"UnreducibleByTheBoundedPasses", {"0", "107", "101", "0", "101", "103"}, kMul, "0,107,101,1,101,2,0,10807,10403,0.962616822429907", "= 103/107 = " + k107, "107分之103，等于 " + k107},
    Row{"DifferenceAtMinusTheLimit", {"0", "1", "0", kLimit, "1", "0"}, kSub, "0,1,0," + kLimit + ",1,0,-" + kLimit + ",1,0,-" + kLimit, "= -" + kLimit, "负" + kLimit},
    Row{"WholeAtTheLimit", {kLimit, "1", "0", "0", "1", "0"}, kAdd, kLimit + ",1,0,0,1,0," + kLimit + ",1,0," + kLimit, "= " + kLimit, kLimit},
    Row{"TinyDecimalInExponentForm", {"0", "100000", "1", "0", "1", "0"}, kAdd, "0,100000,1,0,1,0,0,100000,1,1E-05", "= 1/100000 = 0.00001", "100000分之1，等于 0.00001"},
    Row{"ExpansionCutShort", {"0", "97", "1", "0", "1", "0"}, kAdd, "0,97,1,0,1,0,0,97,1,0.0103092783505155", "= 1/97 = " + k97, "97分之1，约等于 " + k97},
    Row{"DecimalRoundedToFifteenDigits", {"", "900719821", "9007198254740990", "1", "3", "2"}, kAdd, "10000000,900719821,44740990,1,3,2,10000001,2702159463,1935662612,10000001.7163392", "= 10000001又1935662612/2702159463 = " + k60Digits, "10000001又2702159463分之1935662612，约等于 " + k60Digits},
    Row{"NotDigitsBeforeNoOperation", {"x", "2", "-1", "1", "2", "1.5"}, 0, "请正确输入"},
    Row{"ZeroDenominatorOfBBeforeRange", {kAboveLimit, "2", "1", "", "000", "0"}, kAdd, "分母不能为零"},
    Row{"MillionDigits", {std::string(1000000, '9'), "1", "0", "0", "1", "0"}, kAdd, "数值超出范围"},
    Row{"ZeroDivisor", {"5", "2", "1", "", "7", "000"}, kDiv, "除数不能为零"},
    Row{"NormalisedWholePastLimit", {kLimit, "1", "1", "0", "1", "0"}, kAdd, "数值超出范围"}),
    [](const auto& info) { return info.param.name; });
// clang-format on

using engine::Operation;
using engine::Problem;
// Exact rationals of any size, worked out apart from the engine.
using Rational
    = boost::multiprecision::number<boost::multiprecision::cpp_rational_backend, boost::multiprecision::et_off>;

const auto Mixed = [](const Rational& whole, const Rational& num, const Rational& den) { return whole + num / den; };

struct Checked;
Checked In(const Rational& value, bool inputsInRange = true);

// A value computed exactly, and whether every step that made it stayed within +-2^53.
struct Checked {
    Rational value;
    bool inRange = true;

    static bool Both(const Checked& a, const Checked& b) { return a.inRange && b.inRange; }
    friend Checked operator+(const Checked& a, const Checked& b) { return In(a.value + b.value, Both(a, b)); }
    friend Checked operator-(const Checked& a, const Checked& b) { return In(a.value - b.value, Both(a, b)); }
    // A product with zero is zero whatever the other factor.
    friend Checked operator*(const Checked& a, const Checked& b)
    {
        const bool zero = (a.inRange && a.value == 0) || (b.inRange && b.value == 0);
        return zero ? Checked{0} : In(a.value * b.value, Both(a, b));
    }
};

Checked In(const Rational& value, bool inputsInRange)
{
    return {value, inputsInRange && abs(value) <= engine::kExactLimit};
}
const auto Integer = [](const Rational& value) { return numerator(value).convert_to<std::int64_t>(); };

// What the evaluation must come to, worked out independently: the first problem in the
// order the user is told of them, or the operands and the exact result.
struct Expected {
    std::optional<Problem> problem;
    Rational a{}, b{}, r{};
    engine::MixedNumber result{}; // as the result fields show it
};

Expected Expect(const std::array<std::string, 6>& texts, Operation operation)
{
    std::array<Checked, 6> v{}; // whole A, denominator A, numerator A, whole B, denominator B, numerator B
    for (std::size_t i = 0; i < 6; ++i) {
        if (texts[i].empty() && i % 3 != 0)
            return {Problem::EnterCorrectly};
        for (const char c : texts[i])
            v[i] = In(v[i].value * 10 + (c - '0'), v[i].inRange);
    }
    if (operation == Operation::None)
        return {Problem::ChooseOperation};
    if (v[1].value == 0 || v[4].value == 0)
        return {Problem::ZeroDenominator};
    if (std::any_of(v.begin(), v.end(), [](const Checked& x) { return !x.inRange; }))
        return {Problem::OutOfRange};
    if (operation == Operation::Divide && v[3].value == 0 && v[5].value == 0)
        return {Problem::ZeroDivisor};
    std::array<Checked, 6> p{}; // each operand proper and in lowest terms: whole, numerator, denominator
    for (const std::size_t i : {0, 3}) {
        const std::int64_t whole = Integer(v[i].value), den = Integer(v[i + 1].value), num = Integer(v[i + 2].value);
        const std::int64_t proper = num % den, divisor = proper == 0 ? den : std::gcd(proper, den);
        p[i] = In(Rational(whole) + num / den), p[i + 1] = In(proper / divisor), p[i + 2] = In(den / divisor);
    }
    const auto& [aw, an, ad, bw, bn, bd] = p;
    const Rational a = Mixed(v[0].value, v[2].value, v[1].value), b = Mixed(v[3].value, v[5].value, v[4].value);
    // The result in the form the engine builds it, to see where a component leaves the range.
    Checked whole, numerator, denominator = bd * ad;
    Rational r;
    switch (operation) {
    case Operation::None: break;
    case Operation::Add: numerator = an * bd + bn * ad, whole = bw + aw, r = a + b; break;
    case Operation::Subtract: numerator = an * bd - bn * ad, whole = aw - bw, r = a - b; break;
    case Operation::Multiply: numerator = (aw * ad + an) * (bw * bd + bn), r = a * b; break;
    case Operation::Divide: numerator = (aw * ad + an) * bd, denominator = (bw * bd + bn) * ad, r = a / b; break;
    }
    if (!aw.inRange || !bw.inRange || !whole.inRange || !numerator.inRange || !denominator.inRange)
        return {Problem::OutOfRange};
    engine::MixedNumber result{Integer(whole.value), Integer(numerator.value), Integer(denominator.value)};
    if (result.numerator >= result.denominator) // whole units carried out of the fraction
        result = {result.whole + result.numerator / result.denominator, result.numerator % result.denominator,
                  result.denominator};
    if (!In(result.whole).inRange)
        return {Problem::OutOfRange};
    support::literal::ReduceResult(result);
    return {std::nullopt, a, b, r, result};
}

// Empty now and then, zero and small numbers often, else any length up to 17 digits, so
// that every guard is met near its edge.
std::string RandomField(std::mt19937_64& random)
{
    const auto draw = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const int kind = draw(0, 19);
    std::string digits(kind < 2 ? kind : static_cast<std::size_t>(draw(1, 17)), '0');
    for (char& c : digits)
        c = static_cast<char>('0' + (kind < 8 ? draw(0, 3) * (kind > 1) : draw(0, 9)));
    return digits;
}

// Operands and result as written: each equal to the exact value; operands proper and in lowest terms, the
// result as the step-by-step reduction leaves it.
bool ShowsExactly(const support::MemoryFieldSet& fields, const Expected& expected)
{
    const Rational* values[] = {&expected.a, &expected.b, &expected.r};
    for (int k = 0; k < 3; ++k) {
        const std::int64_t w = std::stoll(fields.read(3 * k + 1)), d = std::stoll(fields.read(3 * k + 2)),
                           n = std::stoll(fields.read(3 * k + 3));
        const bool form
            = k < 2 ? n >= 0 && n < d && std::gcd(n, d) == 1 : expected.result == engine::MixedNumber{w, n, d};
        if (Mixed(w, n, d) != *values[k] || !form)
            return false;
    }
    const double exact = expected.r.convert_to<double>(), shown = std::strtod(fields.read(10).c_str(), nullptr);
    return std::fabs(shown - exact) <= 5.3e-15 * std::fabs(exact); // fifteen digits, read back
}

TEST(Property, EvaluationAgreesWithExactArithmetic)
{
    std::mt19937_64 random(6122026);
    std::array<int, 6> seen{}; // each problem, then success
    const std::int16_t codes[] = {1, 2, 3, 4, 1, 2, 3, 4, 4, 0, 5};
    for (int i = 0; i < 20000; ++i) {
        std::array<std::string, 6> texts;
        for (std::string& text : texts)
            text = RandomField(random);
        if (i % 8 == 0) // a zero divisor, were the operation a divide
            texts[3] = texts[5] = "0";
        support::MemoryFieldSet fields;
        for (int f = 0; f < 6; ++f)
            fields.set(f + 1, texts[static_cast<std::size_t>(f)]);
        engine::CalcState state;
        state.OpCode = codes[std::uniform_int_distribution<std::size_t>(0, std::size(codes) - 1)(random)];
        const Operation operation = engine::ToOperation(state.OpCode);
        const Expected expected = Expect(texts, operation);
        engine::Evaluate(state, fields);
        if (expected.problem)
            ASSERT_EQ(fields.messages, std::vector<std::string>{std::string(engine::ProblemText(*expected.problem))})
                << "row " << i;
        else
            ASSERT_TRUE(fields.messages.empty() && ShowsExactly(fields, expected)) << "row " << i;
        ++seen[expected.problem ? static_cast<std::size_t>(*expected.problem) : 5];
    }
    for (const int count : seen)
        EXPECT_GT(count, 300) << testing::PrintToString(seen);
}

} // namespace
