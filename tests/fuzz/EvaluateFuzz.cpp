// libFuzzer target: arbitrary bytes as the six operand fields and the operation.
// Input: the first byte picks OpCode (0..5, so 0 and an unknown code are covered), the
// rest is split at '\n' into t(1)..t(6). Checks what must hold for any input rather
// than particular values, and aborts on the first violation.
#include "Evaluate.h"
#include "MemoryFieldSet.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

constexpr auto kBudget = std::chrono::milliseconds(10);

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

void Require(bool holds, const char* what)
{
    if (!holds)
        Fail(what);
}

bool IsInteger(std::string_view text)
{
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    if (text.empty())
        return false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

struct Run {
    engine::MemoryFieldSet fields;
    engine::CalcState state;
    std::chrono::nanoseconds took{};
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

void CheckMessagePath(const Run& run, const std::string (&operands)[6])
{
    for (const auto& write : run.fields.writes()) {
        const bool wholeField = write.index == 1 || write.index == 4;
        Require(wholeField && write.text == "0", "a message path wrote more than a whole-part 0");
        Require(operands[write.index - 1].empty(), "a filled whole-part field was overwritten");
    }
}

void CheckSuccessPath(const Run& run)
{
    for (int i = 1; i <= 9; ++i)
        Require(IsInteger(run.fields.read(i)), "a written number is not an integer");
    const std::string decimal = run.fields.read(10);
    char* end = nullptr;
    const double shown = std::strtod(decimal.c_str(), &end);
    Require(end == decimal.c_str() + decimal.size() && std::isfinite(shown), "t(10) is not a finite number");
    const double whole = std::strtod(run.fields.read(7).c_str(), nullptr);
    const double denominator = std::strtod(run.fields.read(8).c_str(), nullptr);
    const double numerator = std::strtod(run.fields.read(9).c_str(), nullptr);
    Require(denominator != 0, "the result has a zero denominator");
    const double value = numerator / denominator + whole;
    // Fifteen significant digits are within half a unit of the fifteenth digit, at most
    // 5e-15 of the value, and reading the text back rounds once more.
    Require(std::fabs(shown - value) <= 5.3e-15 * std::fabs(value), "t(10) differs from the result");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto opCode = static_cast<std::int16_t>(data[0] % 6);
    std::string operands[6];
    int field = 0;
    for (std::size_t i = 1; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == '\n' && field < 5)
            ++field;
        else
            operands[field].push_back(c);
    }

    Run run = Evaluate(opCode, operands);
    // One slow run may be the machine; a second one is the input.
    if (run.took > kBudget)
        run = Evaluate(opCode, operands);
    Require(run.took <= kBudget, "an evaluation took longer than 10 ms");
    Require(run.state.OpCode == 0, "the operation was not used up");
    Require(run.fields.messages().size() <= 1, "more than one message");
    if (run.fields.messages().empty())
        CheckSuccessPath(run);
    else
        CheckMessagePath(run, operands);
    return 0;
}
