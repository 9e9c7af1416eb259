#include "Arithmetic.h"
#include "LiteralArithmetic.h"

#include <benchmark/benchmark.h>

namespace {

using engine::MixedNumber;

// The carry and the operand reduction done as they once were, one denominator subtracted
// and one candidate divisor tried at a time: what the engine's one division and Euclid's
// gcd are timed against.
void CarryBySubtraction(MixedNumber& number)
{
    for (; number.numerator >= number.denominator; ++number.whole)
        number.numerator -= number.denominator;
}

void ReduceByDescendingSearch(MixedNumber& number)
{
    for (std::int64_t k = number.numerator; k >= 1; --k) {
        if (number.numerator % k == 0 && number.denominator % k == 0) {
            number.numerator /= k;
            number.denominator /= k;
            return;
        }
    }
}

// Times one step of the arithmetic on a fresh copy of its input.
void TimeStep(benchmark::State& state, void (*step)(MixedNumber&), const MixedNumber& input)
{
    for (auto _ : state) {
        MixedNumber r = input;
        step(r);
        benchmark::DoNotOptimize(r);
    }
}

// n x n with numerators 0: the result's numerator n*n is carried over denominator 1.
MixedNumber Square(std::int64_t n)
{
    return {0, n * n, 1};
}

// (d-1)/d: the descending search tries every candidate from d-1 down to 1.
MixedNumber JustBelowOne(std::int64_t d)
{
    return {0, d - 1, d};
}

void EngineCarry(benchmark::State& state)
{
    TimeStep(state, engine::Normalise, Square(state.range(0)));
}

void LiteralCarry(benchmark::State& state)
{
    TimeStep(state, CarryBySubtraction, Square(state.range(0)));
}

void EngineReduce(benchmark::State& state)
{
    TimeStep(state, engine::ReduceOperand, JustBelowOne(state.range(0)));
}

void LiteralReduce(benchmark::State& state)
{
    TimeStep(state, ReduceByDescendingSearch, JustBelowOne(state.range(0)));
}

// Both passes of the result reduction in full: no common factor up to 100 to stop pass B early.
const MixedNumber kUnreducible{0, 9007199254740990, 9007199254740991};

void EngineReduceResult(benchmark::State& state)
{
    TimeStep(state, engine::ReduceResult, kUnreducible);
}

void LiteralReduceResult(benchmark::State& state)
{
    TimeStep(state, support::literal::ReduceResult, kUnreducible);
}

} // namespace

BENCHMARK(EngineCarry)->Arg(999)->Arg(9999)->Arg(99999);
BENCHMARK(LiteralCarry)->Arg(999)->Arg(9999)->Unit(benchmark::kMillisecond);
BENCHMARK(EngineReduce)->Arg(1000)->Arg(1000000)->Arg(9007199254740992);
BENCHMARK(LiteralReduce)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

BENCHMARK(EngineReduceResult);
BENCHMARK(LiteralReduceResult);
