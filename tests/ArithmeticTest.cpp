#include "Arithmetic.h"
#include "LiteralArithmetic.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

using engine::MixedNumber;

struct StepCase {
    std::string name;
    MixedNumber in;
    MixedNumber out;
};

std::string RowName(const testing::TestParamInfo<StepCase>& info)
{
    return info.param.name;
}

class NormaliseTest : public testing::TestWithParam<StepCase> {};

TEST_P(NormaliseTest, CarriesAndResetsZeroNumerator)
{
    MixedNumber n = GetParam().in;
    engine::Normalise(n);
    EXPECT_EQ(n, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Rows, NormaliseTest, testing::Values(
    StepCase{"ImproperCarriesOnce", {0, 7, 4}, {1, 3, 4}},
    StepCase{"EqualCarries", {0, 4, 4}, {1, 0, 1}},
    StepCase{"ZeroNumeratorGetsDenominatorOne", {0, 0, 7}, {0, 0, 1}},
    StepCase{"ProperIsKept", {2, 3, 4}, {2, 3, 4}},
    StepCase{"WholeAddsUp", {2, 7, 4}, {3, 3, 4}},
    StepCase{"ManyUnitsInOneStep", {5, 1000001, 1}, {1000006, 0, 1}},
    StepCase{"NegativeNumeratorNeverCarries", {1, -9, 4}, {1, -9, 4}}), RowName);

class ReduceOperandTest : public testing::TestWithParam<StepCase> {};

TEST_P(ReduceOperandTest, DividesByGreatestCommonDivisor)
{
    MixedNumber n = GetParam().in;
    engine::ReduceOperand(n);
    EXPECT_EQ(n, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Rows, ReduceOperandTest, testing::Values(
    StepCase{"SixEighths", {0, 6, 8}, {0, 3, 4}},
    StepCase{"Coprime", {1, 5, 7}, {1, 5, 7}},
    StepCase{"ZeroNumeratorUntouched", {3, 0, 9}, {3, 0, 9}},
    StepCase{"LargeCommonFactor", {0, 2 * 999983, 3 * 999983}, {0, 2, 3}}), RowName);

class ResultTest : public testing::TestWithParam<StepCase> {};

TEST_P(ResultTest, ReduceResultLeavesExpectedFraction)
{
    MixedNumber n = GetParam().in;
    engine::ReduceResult(n);
    EXPECT_EQ(n, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Rows, ResultTest, testing::Values(
    StepCase{"PassAKeepsGoingAfterAHit", {0, 108, 216}, {0, 1, 2}},
    StepCase{"PassBFinishesHighPowersOfTwo", {0, 1 << 22, 3 << 22}, {0, 1, 3}},
    StepCase{"ZeroOverFourBecomesZeroOverOne", {1, 0, 4}, {1, 0, 1}},
    StepCase{"ZeroOverPrimeAboveHundredStays", {0, 0, 101}, {0, 0, 101}},
    StepCase{"PassBFindsFactorAboveHundred", {0, 202, 303}, {0, 2, 3}},
    StepCase{"FactorBeyondBothPassesStays", {0, 101 * 103, 101 * 107}, {0, 101 * 103, 101 * 107}},
    StepCase{"NegativeNumeratorHandsSignToDenominator", {0, -2, 8}, {0, 1, -4}},
    StepCase{"FiveSixthsHitsAtFive", {0, 5, 6}, {0, 5, 6}}), RowName);

struct RangeCase {
    std::string name;
    MixedNumber a;
    MixedNumber b;
    std::int16_t opCode;
    bool inRange;
};

class CombineRangeTest : public testing::TestWithParam<RangeCase> {};

TEST_P(CombineRangeTest, RefusesValuesBeyondTwoToThe53)
{
    const RangeCase& row = GetParam();
    EXPECT_EQ(engine::Combine(row.a, row.b, row.opCode).has_value(), row.inRange);
}

constexpr std::int64_t kLimit = engine::kExactLimit;

INSTANTIATE_TEST_SUITE_P(Rows, CombineRangeTest, testing::Values(
    RangeCase{"SumOfWholesAtLimit", {kLimit - 1, 0, 1}, {1, 0, 1}, 1, true},
    RangeCase{"SumOfWholesPastLimit", {kLimit, 0, 1}, {1, 0, 1}, 1, false},
    RangeCase{"DifferenceAtMinusLimit", {0, 0, 1}, {kLimit, 0, 1}, 2, true},
    RangeCase{"ValueBeyondLimitWithComponentsInside", {0, 0, 1}, {kLimit, 1, 2}, 2, true},
    RangeCase{"ProductOfDenominatorsPastLimit", {0, 1, 1 << 27}, {0, 1, 1 << 27}, 1, false},
    RangeCase{"ProductAtLimit", {1 << 26, 0, 1}, {1 << 27, 0, 1}, 3, true},
    RangeCase{"ProductPastLimit", {(1 << 26) + 1, 0, 1}, {1 << 27, 0, 1}, 3, false},
    RangeCase{"HugeTimesZeroIsZero", {kLimit, kLimit - 1, kLimit}, {0, 0, 1}, 3, true},
    RangeCase{"CarryPushesWholePastLimit", {kLimit, 1, 2}, {0, 1, 2}, 1, false}),
    [](const auto& info) { return info.param.name; });

TEST(LoopAgreement, NormaliseAndReduceOperandMatchTheLoops)
{
    std::mt19937_64 random(20261206);
    std::uniform_int_distribution<std::int64_t> small(0, 5000), positive(1, 400);
    for (int i = 0; i < 20000; ++i) {
        MixedNumber fast{small(random), small(random), positive(random)};
        MixedNumber slow = fast;
        engine::Normalise(fast);
        engine::ReduceOperand(fast);
        literal::Carry(slow);
        if (slow.numerator == 0)
            slow.denominator = 1;
        literal::ReduceByDescendingSearch(slow);
        ASSERT_EQ(fast, slow) << "at row " << i;
    }
}

TEST(LoopAgreement, ReduceResultMatchesPlainRemainders)
{
    std::mt19937_64 random(53);
    const std::int64_t factors[] = {1, 2, 3, 4, 7, 8, 64, 96, 99, 100, 101, 128, 1 << 20, 999983};
    std::uniform_int_distribution<std::size_t> pick(0, std::size(factors) - 1);
    std::uniform_int_distribution<std::int64_t> anyValue(-engine::kExactLimit, engine::kExactLimit);
    std::uniform_int_distribution<std::int64_t> small(-3000, 3000);
    for (int i = 0; i < 200000; ++i) {
        const std::int64_t common = factors[pick(random)];
        std::int64_t numerator = (i % 2 ? anyValue(random) : small(random) * common) / common * common;
        std::int64_t denominator = std::llabs(small(random) * common) + common;
        if (i % 5 == 0)
            numerator = 0;
        MixedNumber fast{0, numerator, denominator};
        MixedNumber slow = fast;
        engine::ReduceResult(fast);
        literal::ReduceResult(slow);
        ASSERT_EQ(fast, slow) << numerator << "/" << denominator;
    }
}

} // namespace
