#pragma once

#include <array>
#include <cstdint>

// Exact arithmetic for checking the engine, in standard C++ only: 512-bit two's
// complement integers, wide enough for any product of the calculator's values.
namespace support {

class Big {
public:
    Big(std::int64_t value = 0) // NOLINT(google-explicit-constructor): reads like an integer
    {
        limbs_.fill(value < 0 ? ~0u : 0u);
        limbs_[0] = static_cast<std::uint32_t>(value);
        limbs_[1] = static_cast<std::uint32_t>(static_cast<std::uint64_t>(value) >> 32);
    }
    // The product modulo 2^512, limb by limb; the sum is the product's first row.
    static Big MultiplyAdd(const Big& a, const Big& b, Big sum)
    {
        for (std::size_t i = 0; i < kLimbs; ++i) {
            std::uint64_t carry = 0;
            for (std::size_t j = 0; i + j < kLimbs; ++j) {
                carry += std::uint64_t{a.limbs_[i]} * b.limbs_[j] + sum.limbs_[i + j];
                sum.limbs_[i + j] = static_cast<std::uint32_t>(carry);
                carry >>= 32;
            }
        }
        return sum;
    }
    friend Big operator*(const Big& a, const Big& b) { return MultiplyAdd(a, b, 0); }
    friend Big operator+(const Big& a, const Big& b) { return MultiplyAdd(a, 1, b); }
    friend Big operator-(const Big& a, const Big& b) { return MultiplyAdd(b, -1, a); }
    friend bool operator==(const Big&, const Big&) = default;
    friend bool operator<(const Big& a, const Big& b) { return (a - b).limbs_[kLimbs - 1] >> 31 != 0; }
    double toDouble() const
    {
        if (*this < 0)
            return -(Big(0) - *this).toDouble();
        double value = 0;
        for (std::size_t i = kLimbs; i-- > 0;)
            value = value * 4294967296.0 + limbs_[i];
        return value;
    }

private:
    static constexpr std::size_t kLimbs = 16;
    std::array<std::uint32_t, kLimbs> limbs_{};
};

// p / q with q != 0.
struct Fraction {
    Big p = 0, q = 1;
    friend bool operator==(const Fraction& x, const Fraction& y) { return x.p * y.q == y.p * x.q; }
    double toDouble() const { return p.toDouble() / q.toDouble(); }
};

// whole + numerator / denominator.
inline Fraction Mixed(const Big& whole, const Big& numerator, const Big& denominator)
{
    return {whole * denominator + numerator, denominator};
}

} // namespace support
