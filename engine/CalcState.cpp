#include "CalcState.h"

#include <cstddef>

namespace engine {

MixedNumber CalcState::number(Slot slot) const
{
    const auto i = static_cast<std::size_t>(slot);
    return {whole[i], numerator[i], denominator[i]};
}

void CalcState::store(Slot slot, const MixedNumber& value)
{
    const auto i = static_cast<std::size_t>(slot);
    whole[i] = value.whole;
    numerator[i] = value.numerator;
    denominator[i] = value.denominator;
}

void CalcState::clearNumbers()
{
    const std::int16_t opCode = OpCode;
    *this = CalcState{};
    OpCode = opCode;
}

} // namespace engine
