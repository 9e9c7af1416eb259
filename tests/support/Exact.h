#pragma once

#include <boost/multiprecision/cpp_int.hpp>

// Exact rationals of any size, worked out apart from the engine, to check it against.
namespace support {

using Rational = boost::multiprecision::number<boost::multiprecision::cpp_rational_backend,
                                               boost::multiprecision::et_off>;

inline Rational Mixed(const Rational& whole, const Rational& numerator, const Rational& denominator)
{
    return whole + numerator / denominator;
}

} // namespace support
