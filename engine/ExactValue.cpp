#include "ExactValue.h"

#include <cstdlib>
#include <numeric>

namespace engine {

ExactValue ToExactValue(const MixedNumber& result)
{
    // Move the fraction's sign onto its numerator: whole + n / d with d > 0 and |n| < d.
    const std::int64_t d = std::llabs(result.denominator);
    const std::int64_t n = result.denominator < 0 ? -result.numerator : result.numerator;
    const std::int64_t whole = result.whole;

    ExactValue value;
    if (whole == 0 || n == 0 || (whole > 0) == (n > 0)) {
        value = {whole < 0 || n < 0, std::llabs(whole), std::llabs(n), d};
    } else {
        // Opposite signs: 2 - 1/4 is 1 3/4, and -2 + 1/4 is -(1 3/4).
        value = {whole < 0, std::llabs(whole) - 1, d - std::llabs(n), d};
    }
    const std::int64_t divisor = std::gcd(value.numerator, value.denominator);
    value.numerator /= divisor;
    value.denominator /= divisor;
    return value;
}

} // namespace engine
