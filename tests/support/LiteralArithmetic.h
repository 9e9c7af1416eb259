#pragma once

#include "MixedNumber.h"

// The result reduction done step by step, one candidate factor tried and one remainder
// taken at a time: the yardstick the engine's division-free small-divisor test is checked
// and timed against.
namespace support::literal {

inline void ReduceResult(engine::MixedNumber& result)
{
    const auto divideBothBy = [&result](std::int64_t k) {
        const bool divides = result.numerator % k == 0 && result.denominator % k == 0;
        result.numerator /= divides ? k : 1;
        result.denominator /= divides ? k : 1;
        return divides;
    };
    for (std::int64_t k = 100; k >= 1; --k)
        divideBothBy(k);
    for (std::int64_t k = 1; k <= 100 && result.numerator != 0; ++k)
        if (result.numerator % k == 0 && divideBothBy(result.numerator / k))
            return;
}

} // namespace support::literal
