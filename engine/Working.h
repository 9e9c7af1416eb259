#pragma once

#include "MixedNumber.h"
#include "Operation.h"

#include <string>

namespace engine {

// How the result comes about, as a teacher writes it, from the operands as the evaluation
// writes them back (proper and in lowest terms): each operand as an improper fraction, the
// least common denominator for "+" and "−", the reciprocal for "÷", the product, the
// cancelling, the mixed number. "1/4 + 1/6 = 3/12 + 2/12 = 5/12",
// "1又1/2 × 2/3 = 3/2 × 2/3 = 6/6 = 1". Where a step's numbers would leave +-kExactLimit,
// the working ends before it.
std::string Working(const MixedNumber& a, const MixedNumber& b, Operation operation);

} // namespace engine
