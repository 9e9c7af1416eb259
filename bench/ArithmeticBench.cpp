#include "Arithmetic.h"
#include "LiteralArithmetic.h"

#include <benchmark/benchmark.h>

namespace {

using engine::MixedNumber;

// n x n with numerators 0: the result's numerator n*n is carried over denominator 1.
MixedNumber Square(std::int64_t n)
{
    return {0, n * n, 1};
}

void EngineCarry(benchmark::State& state)
{
    const MixedNumber start = Square(state.range(0));
    for (auto _ : state) {
        MixedNumber r = start;
        engine::Normalise(r);
        benchmark::DoNotOptimize(r);
    }
}

void LiteralCarry(benchmark::State& state)
{
    const MixedNumber start = Square(state.range(0));
    for (auto _ : state) {
        MixedNumber r = start;
        literal::Carry(r);
        benchmark::DoNotOptimize(r);
    }
}

// (d-1)/d: the descending search tries every candidate from d-1 down to 1.
void EngineReduce(benchmark::State& state)
{
    const MixedNumber start{0, state.range(0) - 1, state.range(0)};
    for (auto _ : state) {
        MixedNumber r = start;
        engine::ReduceOperand(r);
        benchmark::DoNotOptimize(r);
    }
}

void LiteralReduce(benchmark::State& state)
{
    const MixedNumber start{0, state.range(0) - 1, state.range(0)};
    for (auto _ : state) {
        MixedNumber r = start;
        literal::ReduceByDescendingSearch(r);
        benchmark::DoNotOptimize(r);
    }
}

} // namespace

BENCHMARK(EngineCarry)->Arg(999)->Arg(9999)->Arg(99999);
BENCHMARK(LiteralCarry)->Arg(999)->Arg(9999)->Unit(benchmark::kMillisecond);
BENCHMARK(EngineReduce)->Arg(1000)->Arg(1000000)->Arg(9007199254740992);
BENCHMARK(LiteralReduce)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

namespace {

// Both passes of the result reduction in full: no common factor up to 100 to stop pass B early.
const MixedNumber kUnreducible{0, 9007199254740990, 9007199254740991};

void EngineReduceResult(benchmark::State& state)
{
    for (auto _ : state) {
        MixedNumber r = kUnreducible;
        engine::ReduceResult(r);
        benchmark::DoNotOptimize(r);
    }
}

void LiteralReduceResult(benchmark::State& state)
{
    for (auto _ : state) {
        MixedNumber r = kUnreducible;
        literal::ReduceResult(r);
        benchmark::DoNotOptimize(r);
    }
}

} // namespace

BENCHMARK(EngineReduceResult);
BENCHMARK(LiteralReduceResult);
