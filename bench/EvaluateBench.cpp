#include "Evaluate.h"
#include "MemoryFieldSet.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

struct Input {
    std::array<std::string, 6> fields; // t(1)..t(6)
    std::int16_t opCode;
};

// One press of "＝" on fresh operand fields; resetting the six fields is part of the figure.
void RunEvaluate(benchmark::State& state, const Input& input)
{
    support::MemoryFieldSet fields;
    engine::CalcState calc;
    for (auto _ : state) {
        for (int i = 0; i < 6; ++i)
            fields.set(i + 1, input.fields[static_cast<std::size_t>(i)]);
        fields.writes.clear();
        calc.OpCode = input.opCode;
        engine::Evaluate(calc, fields);
        benchmark::DoNotOptimize(calc.decimalValue);
    }
    if (!fields.messages.empty())
        state.SkipWithError("the input produced a message");
}

const Input kHalfPlusThird{{"0", "2", "1", "0", "3", "1"}, 1};
const Input kMixedDivide{{"12", "17", "45", "3", "29", "64"}, 4};
// A carry of ten thousand million steps when done one denominator at a time.
const Input kFiveDigitProduct{{"99999", "1", "0", "99999", "1", "0"}, 3};
// A descending search of nearly 2^53 candidates when done one at a time.
const Input kNearLimitFraction{{"0", "9007199254740991", "9007199254740990", "0", "1", "0"}, 1};
const Input kNearLimitImproper{{"0", "3", "9007199254740992", "0", "1", "0"}, 1};

} // namespace

BENCHMARK_CAPTURE(RunEvaluate, half_plus_third, kHalfPlusThird)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(RunEvaluate, mixed_divide, kMixedDivide)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(RunEvaluate, product_99999x99999, kFiveDigitProduct)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(RunEvaluate, fraction_near_2_53, kNearLimitFraction)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(RunEvaluate, improper_near_2_53, kNearLimitImproper)->Repetitions(5)->ReportAggregatesOnly(true);
