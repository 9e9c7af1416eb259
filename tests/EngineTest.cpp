#include "Arithmetic.h"
#include "Evaluate.h"
#include "LiteralArithmetic.h"
#include "MemoryFieldSet.h"
#include "Problem.h"
#include "RandomCase.h"

#include <boost/multiprecision/cpp_int.hpp>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numeric>
#include <optional>
#include <random>
#include <string>

// The engine through its evaluate command on fields held in memory, random operands against
// exact arithmetic. The documented examples and the guards are user stories (UserStories.h),
// which the window tests replay through both front ends.
namespace {

using engine::Operation;
using engine::Problem;
// Exact rationals of any size, worked out apart from the engine.
using Rational
    = boost::multiprecision::number<boost::multiprecision::cpp_rational_backend, boost::multiprecision::et_off>;

const auto Mixed = [](const Rational& whole, const Rational& num, const Rational& den) { return whole + num / den; };

// A value computed exactly, and whether every step that made it stayed within +-2^53.
struct Checked {
    Checked(const Rational& exact = 0, bool inputsInRange = true)
        : value(exact)
        , inRange(inputsInRange && abs(exact) <= engine::kExactLimit)
    {
    }
    Rational value;
    bool inRange;

    static bool Both(const Checked& a, const Checked& b) { return a.inRange && b.inRange; }
    friend Checked operator+(const Checked& a, const Checked& b) { return {a.value + b.value, Both(a, b)}; }
    friend Checked operator-(const Checked& a, const Checked& b) { return {a.value - b.value, Both(a, b)}; }
    // A product with zero is zero whatever the other factor.
    friend Checked operator*(const Checked& a, const Checked& b)
    {
        const bool zero = (a.inRange && a.value == 0) || (b.inRange && b.value == 0);
        return zero ? Checked{} : Checked{a.value * b.value, Both(a, b)};
    }
};
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
        if ((texts[i].empty() && i % 3 != 0) || texts[i].find_first_not_of("0123456789") != std::string::npos)
            return {Problem::EnterCorrectly};
        for (const char c : texts[i])
            v[i] = {v[i].value * 10 + (c - '0'), v[i].inRange};
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
        p[i] = Rational(whole + num / den), p[i + 1] = Rational(proper / divisor), p[i + 2] = Rational(den / divisor);
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
    if (!Checked(result.whole).inRange)
        return {Problem::OutOfRange};
    support::literal::ReduceResult(result);
    return {std::nullopt, a, b, r, result};
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
    for (int i = 0; i < 20000; ++i) {
        std::array<std::string, 6> texts;
        for (std::string& text : texts)
            text = support::RandomField(random);
        if (i % 8 == 0) // a zero divisor, were the operation a divide
            texts[3] = texts[5] = "0";
        support::MemoryFieldSet fields;
        for (int f = 0; f < 6; ++f)
            fields.set(f + 1, texts[static_cast<std::size_t>(f)]);
        engine::CalcState state;
        state.OpCode = support::RandomOpCode(random);
        const Operation operation = engine::ToOperation(state.OpCode);
        const Expected expected = Expect(texts, operation);
        engine::Evaluate(state, fields);
        ASSERT_EQ(state.OpCode, 0) << "row " << i;
        if (expected.problem) {
            ASSERT_EQ(fields.messages, std::vector<std::string>{std::string(engine::ProblemText(*expected.problem))})
                << "row " << i;
            for (const auto& [index, text] : fields.writes) // nothing but an empty whole part, filled with "0"
                ASSERT_TRUE((index == 1 || index == 4) && text == "0" && texts[std::size_t(index) - 1].empty());
        } else
            ASSERT_TRUE(fields.messages.empty() && ShowsExactly(fields, expected)) << "row " << i;
        ++seen[expected.problem ? static_cast<std::size_t>(*expected.problem) : 5];
    }
    for (const int count : seen)
        EXPECT_GT(count, 300) << testing::PrintToString(seen);
}

} // namespace
