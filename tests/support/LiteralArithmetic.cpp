#include "LiteralArithmetic.h"

namespace support::literal {

void Carry(engine::MixedNumber& number)
{
    while (number.numerator >= number.denominator) {
        number.numerator -= number.denominator;
        number.whole += 1;
    }
}

void ReduceByDescendingSearch(engine::MixedNumber& number)
{
    for (std::int64_t k = number.numerator; k >= 1; --k) {
        if (number.numerator % k == 0 && number.denominator % k == 0) {
            number.numerator /= k;
            number.denominator /= k;
            return;
        }
    }
}

void ReduceResult(engine::MixedNumber& result)
{
    for (std::int64_t k = 100; k >= 1; --k) {
        if (result.numerator % k == 0 && result.denominator % k == 0) {
            result.numerator /= k;
            result.denominator /= k;
        }
    }
    if (result.numerator == 0)
        return;
    for (std::int64_t k = 1; k <= 100; ++k) {
        if (result.numerator % k != 0)
            continue;
        const std::int64_t q = result.numerator / k;
        if (result.denominator % q == 0) {
            result.denominator /= q;
            result.numerator /= q;
            return;
        }
    }
}

} // namespace support::literal
