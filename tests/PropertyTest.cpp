#include "Evaluate.h"
#include "ExactValue.h"
#include "MemoryFieldSet.h"
#include "ResultExplanation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>

namespace {

__extension__ typedef __int128 Wide;

// An exact fraction p/q with q > 0, computed independently of the engine.
struct Fraction {
    Wide p;
    Wide q;
};

Fraction Mixed(Wide whole, Wide numerator, Wide denominator)
{
    if (denominator < 0)
        return {whole * -denominator - numerator, -denominator};
    return {whole * denominator + numerator, denominator};
}

Fraction Apply(Fraction a, Fraction b, int opCode)
{
    switch (opCode) {
    case 1: return {a.p * b.q + b.p * a.q, a.q * b.q};
    case 2: return {a.p * b.q - b.p * a.q, a.q * b.q};
    case 3: return {a.p * b.p, a.q * b.q};
    default: return b.p > 0 ? Fraction{a.p * b.q, a.q * b.p} : Fraction{-a.p * b.q, a.q * -b.p};
    }
}

bool Equal(Fraction x, Fraction y)
{
    return x.p * y.q == y.p * x.q;
}

Wide Read(const engine::MemoryFieldSet& fields, int index)
{
    return std::stoll(fields.read(index));
}

Fraction Shown(const engine::MemoryFieldSet& fields, int wholeIndex)
{
    return Mixed(Read(fields, wholeIndex), Read(fields, wholeIndex + 2), Read(fields, wholeIndex + 1));
}

// One evaluation of random operands: whole A, denominator A, numerator A, whole B,
// denominator B, numerator B, each drawn from its range, and a random operation.
struct RandomEvaluation {
    int values[6];
    int opCode;
    engine::MemoryFieldSet fields;
    engine::CalcState state;

    RandomEvaluation(std::mt19937_64& random, int maxWhole, int maxNumerator, int maxDenominator)
    {
        std::uniform_int_distribution<int> whole(0, maxWhole), numerator(0, maxNumerator),
            denominator(1, maxDenominator), op(1, 4);
        const int drawn[6] = {whole(random), denominator(random), numerator(random),
                              whole(random), denominator(random), numerator(random)};
        std::copy(std::begin(drawn), std::end(drawn), values);
        opCode = op(random);
        for (int f = 0; f < 6; ++f)
            fields.set(f + 1, std::to_string(values[f]));
        state.OpCode = static_cast<std::int16_t>(opCode);
        engine::Evaluate(state, fields);
    }
};

TEST(Property, ResultEqualsTheExactRationalAndOperandsKeepTheirValue)
{
    std::mt19937_64 random(6122026);
    int evaluated = 0;
    for (int i = 0; i < 20000; ++i) {
        const RandomEvaluation run(random, 999, 3000, 999);
        const auto& [values, opCode, fields, state] = run;

        const Fraction a = Mixed(values[0], values[2], values[1]);
        const Fraction b = Mixed(values[3], values[5], values[4]);
        if (opCode == 4 && b.p == 0) {
            ASSERT_EQ(fields.messages().size(), 1u);
            continue;
        }
        ASSERT_TRUE(fields.messages().empty()) << "row " << i << ": " << fields.messages().front();
        ASSERT_TRUE(Equal(Shown(fields, 1), a)) << "row " << i;
        ASSERT_TRUE(Equal(Shown(fields, 4), b)) << "row " << i;
        const Fraction expected = Apply(a, b, opCode);
        ASSERT_TRUE(Equal(Shown(fields, 7), expected)) << "row " << i;

        const double exact = static_cast<double>(expected.p) / static_cast<double>(expected.q);
        const double shown = std::strtod(fields.read(10).c_str(), nullptr);
        ASSERT_NEAR(shown, exact, 1e-13 * std::max(1.0, std::fabs(exact))) << "row " << i;
        ++evaluated;
    }
    EXPECT_GT(evaluated, 19000);
}

Wide Gcd(Wide a, Wide b)
{
    while (b != 0) {
        const Wide r = a % b;
        a = b;
        b = r;
    }
    return a < 0 ? -a : a;
}

Wide Power10(std::size_t n)
{
    Wide p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// Reads "-A.B(C)" back as a fraction: A + B / 10^k + C / (10^k (10^p - 1)).
// Empty when the digits would not fit the test's 128-bit arithmetic.
std::optional<Fraction> ReadExpansion(std::string text)
{
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.erase(0, 1);
    const std::size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    std::string fixed, repeating;
    if (point != std::string::npos) {
        const std::string rest = text.substr(point + 1);
        const std::size_t open = rest.find('(');
        fixed = rest.substr(0, open);
        if (open != std::string::npos)
            repeating = rest.substr(open + 1, rest.size() - open - 2);
    }
    if (whole.size() + fixed.size() + repeating.size() > 30)
        return std::nullopt;
    const auto digits = [](const std::string& d) {
        Wide value = 0;
        for (const char c : d)
            value = value * 10 + (c - '0');
        return value;
    };
    const Wide scale = Power10(fixed.size());
    Wide p = digits(whole) * scale + digits(fixed);
    Wide q = scale;
    if (!repeating.empty()) {
        const Wide nines = Power10(repeating.size()) - 1;
        p = p * nines + digits(repeating);
        q = q * nines;
    }
    return Fraction{negative ? -p : p, q};
}

TEST(Property, ExactValueIsProperInLowestTermsAndExpansionReadsBack)
{
    std::mt19937_64 random(2026);
    int readBack = 0;
    for (int i = 0; i < 20000; ++i) {
        const RandomEvaluation run(random, 20, 60, 60);
        const auto& [values, opCode, fields, state] = run;
        if (!fields.messages().empty())
            continue;

        const engine::MixedNumber r = state.number(engine::Slot::R);
        const engine::ExactValue exact = engine::ToExactValue(r);
        ASSERT_TRUE(exact.numerator >= 0 && exact.numerator < exact.denominator) << "row " << i;
        ASSERT_EQ(Gcd(exact.numerator, exact.denominator), 1) << "row " << i;
        const Fraction mixed = Mixed(exact.whole, exact.numerator, exact.denominator);
        const Fraction value{exact.negative ? -mixed.p : mixed.p, mixed.q};
        ASSERT_TRUE(Equal(value, Mixed(r.whole, r.numerator, r.denominator))) << "row " << i;

        const std::string expansion = engine::DecimalExpansion(exact);
        if (expansion.find("…") != std::string::npos)
            continue;
        const auto read = ReadExpansion(expansion);
        if (!read)
            continue;
        ASSERT_TRUE(Equal(*read, value)) << "row " << i << ": " << expansion;
        ++readBack;
    }
    EXPECT_GT(readBack, 10000);
}

} // namespace
