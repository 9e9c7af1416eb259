#pragma once

#include "MixedNumber.h"
#include "Operation.h"

#include <cstdint>
#include <optional>

namespace engine {

// 2^53: the largest magnitude every component may reach. Up to here a double is exact.
inline constexpr std::int64_t kExactLimit = std::int64_t{1} << 53;

bool InExactRange(std::int64_t value);
bool InExactRange(const MixedNumber& number);

// Turns an improper fraction into whole part plus proper fraction; 0/d becomes 0/1.
void Normalise(MixedNumber& operand);

// Divides numerator and denominator by their greatest common divisor.
void ReduceOperand(MixedNumber& operand);

// The result of a op b, with whole units carried out of its fraction. Empty when a
// component leaves +-kExactLimit, and for Operation::None. Expects positive
// denominators and, for divide, a non-zero b.
std::optional<MixedNumber> Combine(const MixedNumber& a, const MixedNumber& b, Operation operation);

// Cancels common factors up to 100 of the result's numerator and denominator, then
// a larger factor where the numerator is at most 100 times it. A negative numerator
// hands its sign to the denominator.
void ReduceResult(MixedNumber& result);

// numerator / denominator + whole, in double precision.
double DecimalValue(const MixedNumber& result);

} // namespace engine
