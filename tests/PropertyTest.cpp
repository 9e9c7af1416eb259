#include "Arithmetic.h"
#include "Evaluate.h"
#include "Exact.h"
#include "ExactValue.h"
#include "LiteralArithmetic.h"
#include "MemoryFieldSet.h"
#include "ResultExplanation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <optional>
#include <random>
#include <string>

namespace {

using engine::Operation;
using engine::Problem;
using support::Big;
using support::Fraction;

constexpr std::int64_t kLimit = engine::kExactLimit;

// A value with its flag: false once the computation that made it left +-2^53.
struct Checked {
    Big value;
    bool inRange;
};

Checked In(const Big& value)
{
    return {value, !(Big(kLimit) < value) && !(value < Big(-kLimit))};
}

Checked Plus(const Checked& a, const Checked& b)
{
    return a.inRange && b.inRange ? In(a.value + b.value) : Checked{0, false};
}

Checked Minus(const Checked& a, const Checked& b)
{
    return Plus(a, {-b.value, b.inRange});
}

// A product with zero is zero whatever the other factor.
Checked Times(const Checked& a, const Checked& b)
{
    if ((a.inRange && a.value == 0) || (b.inRange && b.value == 0))
        return {0, true};
    return a.inRange && b.inRange ? In(a.value * b.value) : Checked{0, false};
}

struct Operand {
    std::int64_t whole, numerator, denominator;
    Fraction value() const { return support::Mixed(whole, numerator, denominator); }
};

// What the evaluation must come to, worked out independently: the first problem in
// the order the user is told of them, or the exact result.
struct Expected {
    std::optional<Problem> problem;
    Fraction a{}, b{}, r{};
};

// Normalised and in lowest terms, as written back: empty when the whole part leaves the range.
std::optional<Operand> Proper(Operand x)
{
    x.whole += x.numerator / x.denominator;
    x.numerator %= x.denominator;
    if (!In(x.whole).inRange)
        return std::nullopt;
    const std::int64_t divisor = x.numerator == 0 ? x.denominator : std::gcd(x.numerator, x.denominator);
    return Operand{x.whole, x.numerator / divisor, x.denominator / divisor};
}

// R before the result reduction: the sum, difference, product or quotient of the
// proper operands, carried; empty where any step leaves the range.
bool CombinesInRange(const Operand& a, const Operand& b, Operation operation)
{
    const Checked aw = In(a.whole), an = In(a.numerator), ad = In(a.denominator);
    const Checked bw = In(b.whole), bn = In(b.numerator), bd = In(b.denominator);
    Checked whole{0, true}, numerator{0, true}, denominator{0, true};
    switch (operation) {
    case Operation::None: return false;
    case Operation::Add:
    case Operation::Subtract: {
        const bool add = operation == Operation::Add;
        numerator = add ? Plus(Times(an, bd), Times(bn, ad)) : Minus(Times(an, bd), Times(bn, ad));
        denominator = Times(bd, ad);
        whole = add ? Plus(bw, aw) : Minus(aw, bw);
        break;
    }
    case Operation::Multiply:
        numerator = Times(Plus(Times(aw, ad), an), Plus(Times(bw, bd), bn));
        denominator = Times(bd, ad);
        break;
    case Operation::Divide:
        numerator = Times(Plus(Times(aw, ad), an), bd);
        denominator = Times(Plus(Times(bw, bd), bn), ad);
        break;
    }
    if (!whole.inRange || !numerator.inRange || !denominator.inRange)
        return false;
    if (numerator.value.negative() || numerator.value < denominator.value)
        return true;
    // Both lie within 2^53 here: the carry is ordinary integer division.
    const auto n = static_cast<std::int64_t>(numerator.value.toDouble());
    const auto d = static_cast<std::int64_t>(denominator.value.toDouble());
    return In(whole.value + n / d).inRange;
}

Fraction Apply(const Fraction& a, const Fraction& b, Operation operation)
{
    switch (operation) {
    case Operation::None: break;
    case Operation::Add: return {a.p * b.q + b.p * a.q, a.q * b.q};
    case Operation::Subtract: return {a.p * b.q - b.p * a.q, a.q * b.q};
    case Operation::Multiply: return {a.p * b.p, a.q * b.q};
    case Operation::Divide: return {a.p * b.q, a.q * b.p};
    }
    return {};
}

Expected Expect(const std::array<std::string, 6>& texts, std::int16_t opCode)
{
    for (const std::size_t i : {1, 2, 4, 5})
        if (texts[i].empty())
            return {Problem::EnterCorrectly};
    const Operation operation = engine::ToOperation(opCode);
    if (operation == Operation::None)
        return {Problem::ChooseOperation};
    std::array<Big, 6> v;
    for (std::size_t i = 0; i < 6; ++i)
        for (const char c : texts[i])
            v[i] = v[i] * 10 + (c - '0');
    if (v[1] == 0 || v[4] == 0)
        return {Problem::ZeroDenominator};
    for (const Big& value : v)
        if (Big(kLimit) < value)
            return {Problem::OutOfRange};
    const auto small = [&v](std::size_t i) { return static_cast<std::int64_t>(v[i].toDouble()); };
    const Operand a{small(0), small(2), small(1)}, b{small(3), small(5), small(4)};
    if (operation == Operation::Divide && b.whole == 0 && b.numerator == 0)
        return {Problem::ZeroDivisor};
    const auto properA = Proper(a), properB = Proper(b);
    if (!properA || !properB || !CombinesInRange(*properA, *properB, operation))
        return {Problem::OutOfRange};
    return {std::nullopt, a.value(), b.value(), Apply(a.value(), b.value(), operation)};
}

// A field's text: empty now and then, small numbers often, and any length up to 17
// digits, so that every guard is met near its edge.
std::string RandomField(std::mt19937_64& random)
{
    const int kind = std::uniform_int_distribution<int>(0, 19)(random);
    if (kind < 2)
        return kind == 0 ? "" : "0";
    if (kind < 8)
        return std::to_string(std::uniform_int_distribution<int>(0, 12)(random));
    std::string digits(std::uniform_int_distribution<std::size_t>(1, 17)(random), '0');
    for (char& c : digits)
        c = static_cast<char>('0' + std::uniform_int_distribution<int>(0, 9)(random));
    return digits;
}

std::int64_t Read(const support::MemoryFieldSet& fields, int index)
{
    return std::stoll(fields.read(index));
}

Fraction Shown(const support::MemoryFieldSet& fields, int wholeIndex)
{
    return support::Mixed(Read(fields, wholeIndex), Read(fields, wholeIndex + 2), Read(fields, wholeIndex + 1));
}

bool ShownProper(const support::MemoryFieldSet& fields, int wholeIndex)
{
    const std::int64_t d = Read(fields, wholeIndex + 1), n = Read(fields, wholeIndex + 2);
    return n >= 0 && n < d && std::gcd(n, d) == 1;
}

TEST(Property, EvaluationAgreesWithExactArithmetic)
{
    std::mt19937_64 random(6122026);
    std::array<int, 6> problems{}; // then the successes
    for (int i = 0; i < 40000; ++i) {
        std::array<std::string, 6> texts;
        for (std::string& text : texts)
            text = RandomField(random);
        if (i % 8 == 0) // a zero divisor, were the operation a divide
            texts[3] = texts[5] = "0";
        const auto opCode = static_cast<std::int16_t>(std::uniform_int_distribution<int>(0, 24)(random) % 5 == 0
                                                          ? 0
                                                          : std::uniform_int_distribution<int>(1, 4)(random));
        support::MemoryFieldSet fields;
        for (int f = 0; f < 6; ++f)
            fields.set(f + 1, texts[static_cast<std::size_t>(f)]);
        engine::CalcState state;
        state.OpCode = opCode;
        engine::Evaluate(state, fields);

        const Expected expected = Expect(texts, opCode);
        const std::string where = "row " + std::to_string(i);
        if (expected.problem) {
            ASSERT_TRUE(fields.showedOnly(*expected.problem)) << where;
            ++problems[static_cast<std::size_t>(*expected.problem)];
            continue;
        }
        ASSERT_TRUE(fields.messages().empty()) << where << ": " << fields.messages().front();
        ASSERT_TRUE(Shown(fields, 1) == expected.a && ShownProper(fields, 1)) << where;
        ASSERT_TRUE(Shown(fields, 4) == expected.b && ShownProper(fields, 4)) << where;
        ASSERT_TRUE(Shown(fields, 7) == expected.r) << where;
        const double exact = expected.r.toDouble();
        const double decimal = std::strtod(fields.read(10).c_str(), nullptr);
        ASSERT_LE(std::fabs(decimal - exact), 5.3e-15 * std::fabs(exact)) << where << ": " << fields.read(10);
        ++problems.back();
    }
    for (const int count : problems)
        EXPECT_GT(count, 500) << ::testing::PrintToString(problems);
}

TEST(Property, StepsAgreeWithTheStepByStepLoops)
{
    std::mt19937_64 random(53);
    std::uniform_int_distribution<std::int64_t> small(0, 3000), positive(1, 400), any(-kLimit, kLimit);
    const std::int64_t factors[] = {1, 2, 7, 64, 99, 100, 101, 1 << 20, 999983};
    std::uniform_int_distribution<std::size_t> pick(0, std::size(factors) - 1);
    for (int i = 0; i < 100000; ++i) {
        engine::MixedNumber fast{small(random), small(random), positive(random)}, slow = fast;
        engine::Normalise(fast);
        engine::ReduceOperand(fast);
        support::literal::Carry(slow);
        if (slow.numerator == 0)
            slow.denominator = 1;
        support::literal::ReduceByDescendingSearch(slow);
        ASSERT_EQ(fast, slow) << "row " << i;

        const std::int64_t common = factors[pick(random)];
        const std::int64_t numerator = i % 5 == 0 ? 0 : (i % 2 ? any(random) : (small(random) - 1500) * common);
        fast = slow = {0, numerator / common * common, small(random) * common + common};
        engine::ReduceResult(fast);
        support::literal::ReduceResult(slow);
        ASSERT_EQ(fast, slow) << "row " << i;
    }
}

// Reads "-A.B(C)" back as A + B / 10^k + C / (10^k (10^p - 1)).
Fraction ReadExpansion(const std::string& text)
{
    Fraction read{0, 1};
    Big period = 0, nines = 1;
    bool negative = false, afterPoint = false, inPeriod = false;
    for (const char c : text) {
        if (c == '-' || c == '.' || c == '(' || c == ')') {
            negative |= c == '-', afterPoint |= c == '.', inPeriod = c == '(';
        } else if (inPeriod) {
            period = period * 10 + (c - '0'), nines = nines * 10;
        } else {
            read = {read.p * 10 + (c - '0'), afterPoint ? read.q * 10 : read.q};
        }
    }
    nines = nines - 1;
    read = nines == 0 ? read : Fraction{read.p * nines + period, read.q * nines};
    return negative ? Fraction{-read.p, read.q} : read;
}

TEST(Property, ExplanationIsTheExactValueInLowestTerms)
{
    std::mt19937_64 random(2026);
    std::uniform_int_distribution<std::int64_t> whole(-20, 20), numerator(-60, 60), denominator(1, 60);
    for (int i = 0; i < 20000; ++i) {
        const std::int64_t d = denominator(random);
        const engine::MixedNumber r{whole(random), numerator(random) % d, i % 2 ? d : -d};
        const engine::ExactValue exact = engine::ToExactValue(r);
        ASSERT_TRUE(exact.numerator >= 0 && exact.numerator < exact.denominator) << "row " << i;
        ASSERT_EQ(std::gcd(exact.numerator, exact.denominator), 1) << "row " << i;
        const Fraction magnitude = support::Mixed(exact.whole, exact.numerator, exact.denominator);
        const Fraction value{exact.negative ? -magnitude.p : magnitude.p, magnitude.q};
        ASSERT_TRUE(value == support::Mixed(r.whole, r.numerator, r.denominator)) << "row " << i;
        ASSERT_FALSE(exact.negative && value == Fraction{0}) << "row " << i;
        const std::string expansion = engine::DecimalExpansion(exact);
        ASSERT_TRUE(ReadExpansion(expansion) == value) << "row " << i << ": " << expansion;
    }
}

} // namespace
