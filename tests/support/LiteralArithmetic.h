#pragma once

#include "MixedNumber.h"

// The result reduction done step by step, one candidate factor tried and one remainder
// taken at a time: the yardstick the engine's division-free small-divisor test is checked
// and timed against.
namespace support::literal {

void ReduceResult(engine::MixedNumber& result);

} // namespace support::literal
