#pragma once

#include "MixedNumber.h"

// The arithmetic done step by step, one denominator subtracted, one candidate divisor
// tried and one remainder taken at a time: the yardstick the engine's one-division
// carry, Euclid's gcd and division-free small-divisor test are checked and timed against.
namespace support::literal {

void Carry(engine::MixedNumber& number);
void ReduceByDescendingSearch(engine::MixedNumber& number);
void ReduceResult(engine::MixedNumber& result);

} // namespace support::literal
