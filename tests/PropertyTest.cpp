#include "Arithmetic.h"
#include "Evaluate.h"
#include "Exact.h"
#include "LiteralArithmetic.h"
#include "MemoryFieldSet.h"
#include "Working.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <optional>
#include <random>
#include <string>

namespace {

using engine::Problem;
using support::Big;
using support::Fraction;

// A value computed exactly, and whether every step that made it stayed within +-2^53.
struct Checked {
    Big value;
    bool inRange = true;
};

Checked In(const Big& value, bool inputsInRange = true)
{
    return {value, inputsInRange && !(Big(engine::kExactLimit) < value) && !(value < Big(-engine::kExactLimit))};
}
Checked operator+(const Checked& a, const Checked& b)
{
    return In(a.value + b.value, a.inRange && b.inRange);
}
Checked operator-(const Checked& a, const Checked& b)
{
    return In(a.value - b.value, a.inRange && b.inRange);
}
// A product with zero is zero whatever the other factor.
Checked operator*(const Checked& a, const Checked& b)
{
    const bool zero = (a.inRange && a.value == 0) || (b.inRange && b.value == 0);
    return zero ? Checked{0} : In(a.value * b.value, a.inRange && b.inRange);
}

// What the evaluation must come to, worked out independently: the first problem in the
// order the user is told of them, or the operands and the exact result.
struct Expected {
    std::optional<Problem> problem;
    Fraction a{}, b{}, r{};
};

Expected Expect(const std::array<std::string, 6>& texts, engine::Operation operation)
{
    std::array<Checked, 6> v{}; // whole A, denominator A, numerator A, whole B, denominator B, numerator B
    for (std::size_t i = 0; i < 6; ++i) {
        if (texts[i].empty() && i % 3 != 0)
            return {Problem::EnterCorrectly};
        for (const char c : texts[i])
            v[i] = In(v[i].value * 10 + (c - '0'), v[i].inRange);
    }
    if (operation == engine::Operation::None)
        return {Problem::ChooseOperation};
    if (v[1].value == 0 || v[4].value == 0)
        return {Problem::ZeroDenominator};
    if (std::any_of(v.begin(), v.end(), [](const Checked& x) { return !x.inRange; }))
        return {Problem::OutOfRange};
    if (operation == engine::Operation::Divide && v[3].value == 0 && v[5].value == 0)
        return {Problem::ZeroDivisor};
    // Normalised and reduced operands: whole, numerator, denominator.
    std::array<Checked, 6> p{};
    for (const std::size_t i : {0, 3}) {
        const auto whole = static_cast<std::int64_t>(v[i].value.toDouble());
        const auto den = static_cast<std::int64_t>(v[i + 1].value.toDouble());
        const auto num = static_cast<std::int64_t>(v[i + 2].value.toDouble());
        const std::int64_t proper = num % den, divisor = proper == 0 ? den : std::gcd(proper, den);
        p[i] = In(whole + num / den), p[i + 1] = In(proper / divisor), p[i + 2] = In(den / divisor);
    }
    const auto& [aw, an, ad, bw, bn, bd] = p;
    const Fraction a = support::Mixed(v[0].value, v[2].value, v[1].value);
    const Fraction b = support::Mixed(v[3].value, v[5].value, v[4].value);
    Checked whole, numerator, denominator = bd * ad;
    Fraction r;
    switch (operation) {
    case engine::Operation::None: break;
    case engine::Operation::Add:
        numerator = an * bd + bn * ad, whole = bw + aw, r = {a.p * b.q + b.p * a.q, a.q * b.q};
        break;
    case engine::Operation::Subtract:
        numerator = an * bd - bn * ad, whole = aw - bw, r = {a.p * b.q - b.p * a.q, a.q * b.q};
        break;
    case engine::Operation::Multiply: numerator = (aw * ad + an) * (bw * bd + bn), r = {a.p * b.p, a.q * b.q}; break;
    case engine::Operation::Divide:
        numerator = (aw * ad + an) * bd, denominator = (bw * bd + bn) * ad, r = {a.p * b.q, a.q * b.p};
        break;
    }
    bool inRange = aw.inRange && bw.inRange && whole.inRange && numerator.inRange && denominator.inRange;
    if (inRange && !(numerator.value < denominator.value)) { // carried: numerator and denominator are small
        const auto n = static_cast<std::int64_t>(numerator.value.toDouble());
        inRange = In(whole.value + n / static_cast<std::int64_t>(denominator.value.toDouble())).inRange;
    }
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
    const Fraction* values[] = {&expected.a, &expected.b, &expected.r};
    for (int k = 0; k < 3; ++k) {
        const std::int64_t w = std::stoll(fields.read(3 * k + 1)), d = std::stoll(fields.read(3 * k + 2)),
                           n = std::stoll(fields.read(3 * k + 3));
        if (!(support::Mixed(w, n, d) == *values[k]) || (k < 2 && (n < 0 || n >= d || std::gcd(n, d) != 1)))
            return false;
    }
    const double exact = expected.r.toDouble(), shown = std::strtod(fields.read(10).c_str(), nullptr);
    return std::fabs(shown - exact) <= 5.3e-15 * std::fabs(exact); // fifteen digits, read back
}

Big Digits(const std::string& text)
{
    Big value = 0;
    for (const char c : text)
        value = value * 10 + (c - '0');
    return value;
}

// "-w又p/q", "p/q" or "w".
Fraction Term(std::string text)
{
    const bool negative = text.front() == '-';
    const std::size_t you = text.find("又"), start = negative ? 1 : 0, slash = text.find('/');
    const Big whole = you != std::string::npos ? Digits(text.substr(start, you - start)) : 0;
    const std::size_t fraction = you != std::string::npos ? you + std::string("又").size() : start;
    const Fraction value = slash == std::string::npos
        ? Fraction{Digits(text.substr(fraction))}
        : support::Mixed(whole, Digits(text.substr(fraction, slash - fraction)), Digits(text.substr(slash + 1)));
    return negative ? Fraction{Big(0) - value.p, value.q} : value;
}

// Every step of the working, "x op y" or one term, has the value of the result.
bool WorkingReadsBack(const std::string& working, const Fraction& result)
{
    for (std::size_t start = 0, end = 0; start < working.size(); start = end + 3) {
        end = std::min(working.find(" = ", start), working.size());
        const std::string step = working.substr(start, end - start);
        Fraction value = Term(step);
        for (const std::string op : {" + ", " − ", " × ", " ÷ "}) {
            const std::size_t at = step.find(op);
            if (at == std::string::npos)
                continue;
            const Fraction x = Term(step.substr(0, at)), y = Term(step.substr(at + op.size()));
            const Fraction sum{x.p * y.q + y.p * x.q, x.q * y.q}, difference{x.p * y.q - y.p * x.q, x.q * y.q};
            value = op == " + " ? sum
                : op == " − "   ? difference
                : op == " × "   ? Fraction{x.p * y.p, x.q * y.q}
                                : Fraction{x.p * y.q, x.q * y.p};
        }
        if (!(value == result))
            return false;
    }
    return true;
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
        const engine::Operation operation = engine::ToOperation(state.OpCode);
        const Expected expected = Expect(texts, operation);
        engine::Evaluate(state, fields);
        if (expected.problem)
            ASSERT_TRUE(fields.showedOnly(*expected.problem)) << "row " << i << ": " << fields.messages.size();
        else
            ASSERT_TRUE(fields.messages.empty() && ShowsExactly(fields, expected)
                        && WorkingReadsBack(
                            engine::Working(state.number(engine::Slot::A), state.number(engine::Slot::B), operation),
                            expected.r))
                << "row " << i;
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
