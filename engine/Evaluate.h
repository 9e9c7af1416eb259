#pragma once

#include "CalcState.h"
#include "FieldSet.h"

namespace engine {

// Field indices of t(0)..t(10).
namespace field {
inline constexpr int kSpare = 0;
inline constexpr int kWholeA = 1, kDenominatorA = 2, kNumeratorA = 3;
inline constexpr int kWholeB = 4, kDenominatorB = 5, kNumeratorB = 6;
inline constexpr int kWholeR = 7, kDenominatorR = 8, kNumeratorR = 9;
inline constexpr int kDecimal = 10;
inline constexpr int kCount = 11;
} // namespace field

// What "＝" does: reads the six operand fields, checks them, computes the result and
// writes operands and result back, or shows one message (a Problem's text) and writes
// nothing but "0" into empty whole-part fields. Either way the chosen operation is used up.
void Evaluate(CalcState& state, FieldSet& fields);

} // namespace engine
