// libFuzzer target: arbitrary bytes as the six operand fields and the operation. The
// first byte picks OpCode 0..5 (so none and an unknown code are covered), the rest is
// split at '\n' into t(1)..t(6). Checks what must hold for any input, and aborts on
// the first violation.
#include "Evaluate.h"
#include "Exact.h"
#include "MemoryFieldSet.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void Require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

struct Run {
    support::MemoryFieldSet fields;
    engine::CalcState state;
    std::chrono::steady_clock::duration took{};
};

Run Evaluate(std::int16_t opCode, const std::string (&operands)[6])
{
    Run run;
    for (int i = 0; i < 6; ++i)
        run.fields.set(i + 1, operands[i]);
    run.state.OpCode = opCode;
    const auto start = std::chrono::steady_clock::now();
    engine::Evaluate(run.state, run.fields);
    run.took = std::chrono::steady_clock::now() - start;
    return run;
}

std::int64_t Integer(const Run& run, int index)
{
    const std::string text = run.fields.read(index);
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    Require(!text.empty() && *end == '\0', "a written number is not an integer");
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    std::string operands[6];
    int field = 0;
    for (std::size_t i = 1; i < size; ++i) {
        if (data[i] == '\n' && field < 5)
            ++field;
        else
            operands[field].push_back(static_cast<char>(data[i]));
    }
    const auto opCode = static_cast<std::int16_t>(data[0] % 6);
    Run run = Evaluate(opCode, operands);
    if (run.took > std::chrono::milliseconds(10)) // one slow run may be the machine
        run = Evaluate(opCode, operands);
    Require(run.took <= std::chrono::milliseconds(10), "an evaluation took longer than 10 ms");
    Require(run.state.OpCode == 0, "the operation was not used up");
    Require(run.fields.messages().size() <= 1, "more than one message");
    if (!run.fields.messages().empty()) {
        for (const auto& write : run.fields.writes())
            Require((write.index == 1 || write.index == 4) && write.text == "0" && operands[write.index - 1].empty(),
                    "a message path wrote more than a whole-part 0 into an empty field");
        return 0;
    }
    std::int64_t r[10];
    for (int i = 1; i <= 9; ++i)
        r[i] = Integer(run, i);
    Require(r[8] != 0, "the result has a zero denominator");
    const double exact = support::Mixed(r[7], r[9], r[8]).toDouble();
    // Fifteen significant digits are within half a unit of the fifteenth, at most 5e-15 of
    // the value, and reading the text back rounds once more.
    const double shown = std::strtod(run.fields.read(10).c_str(), nullptr);
    Require(std::fabs(shown - exact) <= 5.3e-15 * std::fabs(exact), "t(10) differs from the result");
    return 0;
}
