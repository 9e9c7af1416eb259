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

std::int64_t Integer(const std::string& text)
{
    char* end = nullptr;
    const std::int64_t value = std::strtoll(text.c_str(), &end, 10);
    Require(*end == '\0' && !text.empty(), "a result field is not an integer");
    return value;
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
    engine::Evaluate(state, fields);
    Require(state.OpCode == 0 && fields.messages.size() <= 1, "the operation stayed, or two messages");
    if (!fields.messages.empty()) {
        for (const auto& [index, text] : fields.writes)
            Require((index == 1 || index == 4) && text == "0" && operands[index - 1].empty(), "a message path wrote");
        return 0;
    }
    const std::int64_t denominator = Integer(fields.read(8));
    Require(denominator != 0, "the result has a zero denominator");
    const double exact
        = support::Mixed(Integer(fields.read(7)), Integer(fields.read(9)), denominator).convert_to<double>();
    // Fifteen significant digits are within half a unit of the fifteenth (5e-15 of the value),
    // and reading the text back rounds once more.
    const double shown = std::strtod(fields.read(10).c_str(), nullptr);
    Require(std::fabs(shown - exact) <= 5.3e-15 * std::fabs(exact), "t(10) differs from the result");
    return 0;
}
