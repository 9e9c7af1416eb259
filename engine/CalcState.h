#pragma once

#include "MixedNumber.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace engine {

// Which of the three numbers of a calculation: the operands A and B, or the result R.
enum class Slot { A = 0, B = 1, R = 2 };

// The calculation state of one main window. The components are kept grouped by kind,
// each array indexed by Slot; OpCode survives the clear at the start of an evaluation.
struct CalcState {
    std::int16_t OpCode = 0; // an Operation: 0 none, 1 add, 2 subtract, 3 multiply, 4 divide
    std::array<std::int64_t, 3> whole{};
    std::array<std::int64_t, 3> denominator{};
    std::array<std::int64_t, 3> numerator{};
    double decimalValue = 0;
    std::int16_t inputError = 0;       // -1: an operand field was empty or not a number
    std::int16_t noOperationError = 0; // -1: no operation was selected

    MixedNumber number(Slot slot) const;
    void store(Slot slot, const MixedNumber& value);
    // Zeroes the numbers, the decimal value and both flags, and leaves OpCode alone.
    void clearNumbers();
    // True after a successful evaluation: a result's denominator is never 0, and a
    // failed one leaves the numbers cleared.
    bool hasResult() const { return denominator[static_cast<std::size_t>(Slot::R)] != 0; }
};

} // namespace engine
