#pragma once

#include "MixedNumber.h"

#include <cstdint>

namespace engine {

// A result as a person reads it: the sign in front, then a proper mixed number in
// lowest terms (0 <= numerator < denominator, numerator and denominator coprime).
// Zero is never negative.
struct ExactValue {
    bool negative = false;
    std::int64_t whole = 0;
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;

    friend bool operator==(const ExactValue&, const ExactValue&) = default;
};

// The value of a result as the evaluation leaves it, where the fraction may be
// unreduced and its sign may sit on the denominator. Expects a non-zero denominator
// and |numerator| < |denominator|.
ExactValue ToExactValue(const MixedNumber& result);

} // namespace engine
