// libFuzzer target: the first byte picks OpCode 0..5 (none and an unknown code
// included), the rest, split at '\n', fills t(1)..t(6). Aborts on the first broken rule;
// an evaluation that hangs is stopped by the fuzzer's own -timeout.
#include "Evaluate.h"
#include "Exact.h"
#include "MemoryFieldSet.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

void Require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string operands[6];
    for (std::size_t i = 1, field = 0; i < size; ++i)
        data[i] == '\n' && field < 5 ? void(++field) : operands[field].push_back(static_cast<char>(data[i]));
    support::MemoryFieldSet fields;
    for (int i = 0; i < 6; ++i)
        fields.set(i + 1, operands[i]);
    engine::CalcState state;
    state.OpCode = static_cast<std::int16_t>(size > 0 ? data[0] % 6 : 0);
    engine::Evaluate(state, fields); // a hang is caught by the fuzzer's -timeout
    Require(state.OpCode == 0 && fields.messages.size() <= 1, "the operation stayed, or two messages");
    if (!fields.messages.empty()) {
        for (const auto& [index, text] : fields.writes)
            Require((index == 1 || index == 4) && text == "0" && operands[index - 1].empty(), "a message path wrote");
        return 0;
    }
    std::int64_t r[10];
    for (int i = 7; i <= 9; ++i) {
        const std::string text = fields.read(i);
        char* end = nullptr;
        r[i] = std::strtoll(text.c_str(), &end, 10);
        Require(*end == '\0' && !text.empty(), "a result field is not an integer");
    }
    Require(r[8] != 0, "the result has a zero denominator");
    const double exact = support::Mixed(r[7], r[9], r[8]).toDouble();
    // Fifteen significant digits are within half a unit of the fifteenth (5e-15 of the value),
    // and reading the text back rounds once more.
    const double shown = std::strtod(fields.read(10).c_str(), nullptr);
    Require(std::fabs(shown - exact) <= 5.3e-15 * std::fabs(exact), "t(10) differs from the result");
    return 0;
}
