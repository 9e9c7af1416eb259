#include "LiteralArithmetic.h"

namespace support::literal {

namespace {

bool DivideBothBy(engine::MixedNumber& n, std::int64_t k)
{
    if (n.numerator % k != 0 || n.denominator % k != 0)
        return false;
    n.numerator /= k;
    n.denominator /= k;
    return true;
}

} // namespace

void Carry(engine::MixedNumber& number)
{
    for (; number.numerator >= number.denominator; ++number.whole)
        number.numerator -= number.denominator;
}

void ReduceByDescendingSearch(engine::MixedNumber& number)
{
    for (std::int64_t k = number.numerator; k >= 1 && !DivideBothBy(number, k); --k) { }
}

void ReduceResult(engine::MixedNumber& result)
{
    for (std::int64_t k = 100; k >= 1; --k)
        DivideBothBy(result, k);
    for (std::int64_t k = 1; k <= 100 && result.numerator != 0; ++k)
        if (result.numerator % k == 0 && DivideBothBy(result, result.numerator / k))
            return;
}

} // namespace support::literal
