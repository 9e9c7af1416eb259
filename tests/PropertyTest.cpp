#include "Evaluate.h"
#include "MemoryFieldSet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
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

TEST(Property, ResultEqualsTheExactRationalAndOperandsKeepTheirValue)
{
    std::mt19937_64 random(6122026);
    std::uniform_int_distribution<int> whole(0, 999), numerator(0, 3000), denominator(1, 999), op(1, 4);
    int evaluated = 0;
    for (int i = 0; i < 20000; ++i) {
        const int values[6] = {whole(random), denominator(random), numerator(random),
                               whole(random), denominator(random), numerator(random)};
        const int opCode = op(random);
        engine::MemoryFieldSet fields;
        for (int f = 0; f < 6; ++f)
            fields.set(f + 1, std::to_string(values[f]));
        engine::CalcState state;
        state.OpCode = static_cast<std::int16_t>(opCode);
        engine::Evaluate(state, fields);

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

} // namespace
