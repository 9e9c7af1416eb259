#include "Arithmetic.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdlib>
#include <limits>
#include <numeric>

namespace engine {

namespace {

// An exact integer within +-kExactLimit, or empty once a value has left that range.
using Exact = std::optional<std::int64_t>;

Exact Checked(std::int64_t value)
{
    return InExactRange(value) ? Exact{value} : std::nullopt;
}

// Both operands lie within +-2^53, so the sum cannot overflow 64 bits.
Exact Plus(Exact a, Exact b)
{
    return a && b ? Checked(*a + *b) : std::nullopt;
}

Exact Minus(Exact a, Exact b)
{
    return a && b ? Checked(*a - *b) : std::nullopt;
}

Exact Times(Exact a, Exact b)
{
    // A product with zero is zero even when the other factor has left the range.
    if ((a && *a == 0) || (b && *b == 0))
        return 0;
    if (!a || !b)
        return std::nullopt;
    if (std::llabs(*a) > kExactLimit / std::llabs(*b))
        return std::nullopt;
    return *a * *b;
}

// Carries the whole units out of the fraction in one division; the numerator ends below
// the denominator. A negative numerator carries nothing.
void Carry(MixedNumber& number)
{
    if (number.denominator > 0 && number.numerator >= number.denominator) {
        const std::int64_t units = number.numerator / number.denominator;
        number.numerator -= units * number.denominator;
        number.whole += units;
    }
}

bool Divides(std::int64_t divisor, std::int64_t value)
{
    return value % divisor == 0;
}

// The result reduction tries every k up to 100 on every result, so its test avoids the
// division: an odd k divides n exactly when n times the inverse of k modulo 2^64 is at
// most (2^64 - 1) / k; an even k = odd * 2^shift also needs shift trailing zero bits.
struct SmallDivisor {
    std::uint64_t inverse = 0;
    std::uint64_t limit = 0;
    int shift = 0;
};

constexpr std::int64_t kLargestSmallDivisor = 100;

constexpr SmallDivisor MakeSmallDivisor(std::uint64_t k)
{
    const int shift = std::countr_zero(k);
    const std::uint64_t odd = k >> shift;
    std::uint64_t inverse = odd; // right in 3 bits; each Newton step doubles that
    for (int i = 0; i < 5; ++i)
        inverse *= 2 - odd * inverse;
    return {inverse, std::numeric_limits<std::uint64_t>::max() / odd, shift};
}

// Entry k - 1 is for divisor k.
using SmallDivisorTable = std::array<SmallDivisor, kLargestSmallDivisor>;

constexpr SmallDivisorTable MakeSmallDivisors()
{
    SmallDivisorTable table{};
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = MakeSmallDivisor(i + 1);
    return table;
}

constexpr SmallDivisorTable kSmallDivisors = MakeSmallDivisors();

bool DividesSmall(std::int64_t k, std::int64_t value)
{
    const SmallDivisor& d = kSmallDivisors[static_cast<std::size_t>(k - 1)];
    const std::uint64_t magnitude
        = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    const std::uint64_t lowBits = (std::uint64_t{1} << d.shift) - 1;
    return (magnitude & lowBits) == 0 && (magnitude >> d.shift) * d.inverse <= d.limit;
}

// Pass A: every k from 100 down to 1 that divides both is divided out, and the search goes on.
void CancelSmallFactors(MixedNumber& result)
{
    for (std::int64_t k = kLargestSmallDivisor; k >= 1; --k) {
        if (DividesSmall(k, result.numerator) && DividesSmall(k, result.denominator)) {
            result.numerator /= k;
            result.denominator /= k;
        }
    }
}

// Pass B: the first k from 1 up to 100 that divides the numerator and whose cofactor
// q = numerator / k divides the denominator leaves numerator k. A negative numerator
// gives a negative q, which hands its sign to the denominator.
void CancelLargeFactor(MixedNumber& result)
{
    for (std::int64_t k = 1; k <= kLargestSmallDivisor; ++k) {
        if (!DividesSmall(k, result.numerator))
            continue;
        const std::int64_t q = result.numerator / k;
        if (Divides(q, result.denominator)) {
            result.denominator /= q;
            result.numerator /= q;
            return;
        }
    }
}

} // namespace

bool InExactRange(std::int64_t value)
{
    return value >= -kExactLimit && value <= kExactLimit;
}

bool InExactRange(const MixedNumber& number)
{
    return InExactRange(number.whole) && InExactRange(number.numerator) && InExactRange(number.denominator);
}

void Normalise(MixedNumber& operand)
{
    Carry(operand);
    if (operand.numerator == 0)
        operand.denominator = 1;
}

void ReduceOperand(MixedNumber& operand)
{
    // Reduction has always left a zero numerator with the denominator Normalise gave it.
    if (operand.numerator < 1)
        return;
    const std::int64_t divisor = std::gcd(operand.numerator, operand.denominator);
    operand.numerator /= divisor;
    operand.denominator /= divisor;
}

std::optional<MixedNumber> Combine(const MixedNumber& a, const MixedNumber& b, Operation operation)
{
    const Exact aWhole = a.whole, aNum = a.numerator, aDen = a.denominator;
    const Exact bWhole = b.whole, bNum = b.numerator, bDen = b.denominator;
    Exact whole = 0, numerator, denominator;
    switch (operation) {
    case Operation::None: return std::nullopt;
    case Operation::Add:
        numerator = Plus(Times(aNum, bDen), Times(bNum, aDen));
        denominator = Times(bDen, aDen);
        whole = Plus(bWhole, aWhole);
        break;
    case Operation::Subtract:
        numerator = Minus(Times(aNum, bDen), Times(bNum, aDen));
        denominator = Times(bDen, aDen);
        whole = Minus(aWhole, bWhole);
        break;
    case Operation::Multiply:
        numerator = Times(Plus(Times(aWhole, aDen), aNum), Plus(Times(bWhole, bDen), bNum));
        denominator = Times(bDen, aDen);
        break;
    case Operation::Divide:
        numerator = Times(Plus(Times(aWhole, aDen), aNum), bDen);
        denominator = Times(Plus(Times(bWhole, bDen), bNum), aDen);
        break;
    }
    if (!whole || !numerator || !denominator)
        return std::nullopt;
    MixedNumber result{*whole, *numerator, *denominator};
    Carry(result);
    if (!InExactRange(result))
        return std::nullopt;
    return result;
}

// Bounded on purpose: the result fields have always shown what these two passes leave,
// 10403/10807 for 101*103 over 101*107 included, and the lowest terms are shown beside
// them by the explanation rather than in the fields.
void ReduceResult(MixedNumber& result)
{
    CancelSmallFactors(result);
    if (result.numerator != 0)
        CancelLargeFactor(result);
}

double DecimalValue(const MixedNumber& result)
{
    return static_cast<double>(result.numerator) / static_cast<double>(result.denominator)
        + static_cast<double>(result.whole);
}

} // namespace engine
