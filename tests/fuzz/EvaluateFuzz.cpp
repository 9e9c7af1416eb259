// libFuzzer target: the first byte picks OpCode 0..5 (none and an unknown code
// included), the rest, split at '\n', fills t(1)..t(6). Aborts on the first broken rule;
// an evaluation that hangs is stopped by the fuzzer's own -timeout. Whether a result is
// right is the property test's business; here nothing may crash or hang.
#include "Evaluate.h"
#include "MemoryFieldSet.h"

#include <cstdlib>

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
    // The operation used up, at most one message, no result over a zero denominator; libFuzzer
    // keeps an input that aborts.
    if (state.OpCode != 0 || fields.messages.size() > 1 || (fields.messages.empty() && fields.read(8) == "0"))
        std::abort();
    return 0;
}
