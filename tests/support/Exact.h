#pragma once

#include <array>
#include <cstdint>

// Exact arithmetic for checking the engine, in standard C++ only: 512-bit two's
// complement integers (wide enough for any product of the calculator's values) and
// fractions of them.
namespace support {

class Big {
public:
    Big(std::int64_t value = 0) // NOLINT: converts like a built-in integer
    {
        limbs_.fill(value < 0 ? ~std::uint32_t{0} : 0);
        limbs_[0] = static_cast<std::uint32_t>(value);
        limbs_[1] = static_cast<std::uint32_t>(static_cast<std::uint64_t>(value) >> 32);
    }

    friend Big operator+(Big a, const Big& b)
    {
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < kLimbs; ++i) {
            carry += std::uint64_t{a.limbs_[i]} + b.limbs_[i];
            a.limbs_[i] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        return a;
    }
    friend Big operator-(Big a)
    {
        for (auto& limb : a.limbs_)
            limb = ~limb;
        return a + 1;
    }
    friend Big operator-(const Big& a, const Big& b) { return a + -b; }
    friend Big operator*(const Big& a, const Big& b)
    {
        Big product;
        for (std::size_t i = 0; i < kLimbs; ++i) {
            std::uint64_t carry = 0;
            for (std::size_t j = 0; i + j < kLimbs; ++j) {
                carry += std::uint64_t{a.limbs_[i]} * b.limbs_[j] + product.limbs_[i + j];
                product.limbs_[i + j] = static_cast<std::uint32_t>(carry);
                carry >>= 32;
            }
        }
        return product;
    }
    friend bool operator==(const Big&, const Big&) = default;
    friend bool operator<(const Big& a, const Big& b) { return (a - b).negative(); }

    bool negative() const { return limbs_[kLimbs - 1] >> 31 != 0; }
    double toDouble() const
    {
        if (negative())
            return -(-*this).toDouble();
        double value = 0;
        for (std::size_t i = kLimbs; i-- > 0;)
            value = value * 4294967296.0 + limbs_[i];
        return value;
    }

private:
    static constexpr std::size_t kLimbs = 16;
    std::array<std::uint32_t, kLimbs> limbs_;
};

// p / q with q != 0.
struct Fraction {
    Big p;
    Big q = 1;

    friend bool operator==(const Fraction& x, const Fraction& y) { return x.p * y.q == y.p * x.q; }
    double toDouble() const { return p.toDouble() / q.toDouble(); }
};

// whole + numerator / denominator.
inline Fraction Mixed(const Big& whole, const Big& numerator, const Big& denominator)
{
    return {whole * denominator + numerator, denominator};
}

} // namespace support
