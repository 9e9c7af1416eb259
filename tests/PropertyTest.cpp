#include "Arithmetic.h"
#include "Evaluate.h"
#include "Exact.h"
#include "LiteralArithmetic.h"
#include "MemoryFieldSet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <optional>
#include <random>
#include <string>

namespace {

using engine::Operation;
using engine::Problem;
using support::Rational;

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
    const Rational a = support::Mixed(v[0].value, v[2].value, v[1].value);
    const Rational b = support::Mixed(v[3].value, v[5].value, v[4].value);
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
    bool inRange = aw.inRange && bw.inRange && whole.inRange && numerator.inRange && denominator.inRange;
    if (inRange && numerator.value >= denominator.value) // the carry adds to the whole part
        inRange = In(whole.value + Integer(numerator.value) / Integer(denominator.value)).inRange;
    if (!inRange)
        return {Problem::OutOfRange};
    return {std::nullopt, a, b, r};
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

// Operands and result as written: each equal to the exact value; operands proper and in lowest terms.
bool ShowsExactly(const support::MemoryFieldSet& fields, const Expected& expected)
{
    const Rational* values[] = {&expected.a, &expected.b, &expected.r};
    for (int k = 0; k < 3; ++k) {
        const std::int64_t w = std::stoll(fields.read(3 * k + 1)), d = std::stoll(fields.read(3 * k + 2)),
                           n = std::stoll(fields.read(3 * k + 3));
        if (support::Mixed(w, n, d) != *values[k] || (k < 2 && (n < 0 || n >= d || std::gcd(n, d) != 1)))
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
            ASSERT_TRUE(fields.showedOnly(*expected.problem)) << "row " << i << ": " << fields.messages.size();
        else
            ASSERT_TRUE(fields.messages.empty() && ShowsExactly(fields, expected)) << "row " << i;
        ++seen[expected.problem ? static_cast<std::size_t>(*expected.problem) : 5];
    }
    for (const int count : seen)
        EXPECT_GT(count, 300) << testing::PrintToString(seen);
}

TEST(Property, StepsAgreeWithTheStepByStepLoops)
{
    std::mt19937_64 random(53);
    std::uniform_int_distribution<std::int64_t> small(0, 3000), positive(1, 400);
    std::uniform_int_distribution<std::int64_t> any(-engine::kExactLimit, engine::kExactLimit);
    const std::int64_t factors[] = {1, 2, 7, 64, 99, 100, 101, 1 << 20, 999983};
    for (int i = 0; i < 100000; ++i) {
        engine::MixedNumber fast{small(random), small(random), positive(random)}, slow = fast;
        engine::Normalise(fast);
        engine::ReduceOperand(fast);
        support::literal::Carry(slow);
        slow.denominator = slow.numerator == 0 ? 1 : slow.denominator;
        support::literal::ReduceByDescendingSearch(slow);
        ASSERT_EQ(fast, slow) << "row " << i;

        const std::int64_t common = factors[i % std::size(factors)];
        const std::int64_t numerator = i % 5 == 0 ? 0 : (i % 2 ? any(random) : (small(random) - 1500) * common);
        fast = slow = {0, numerator / common * common, small(random) * common + common};
        engine::ReduceResult(fast);
        support::literal::ReduceResult(slow);
        ASSERT_EQ(fast, slow) << "row " << i;
    }
}

} // namespace
