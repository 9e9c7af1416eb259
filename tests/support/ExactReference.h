#pragma once

#include "Arithmetic.h"
#include "LiteralArithmetic.h"
#include "MixedNumber.h"
#include "Operation.h"
#include "Problem.h"

#include <boost/multiprecision/cpp_int.hpp>

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <optional>
#include <string>

// What an evaluation must come to, worked out apart from the engine with exact rationals of
// any size: the engine's property test and the window walk's model both ask it.
namespace support {

using Rational
    = boost::multiprecision::number<boost::multiprecision::cpp_rational_backend, boost::multiprecision::et_off>;

inline Rational Mixed(const Rational& whole, const Rational& num, const Rational& den)
{
    return whole + num / den;
}

// A value computed exactly, and whether every step that made it stayed within +-2^53.
struct Checked {
    Checked(const Rational& exact = 0, bool inputsInRange = true)
        : value(exact)
        , inRange(inputsInRange && abs(exact) <= engine::kExactLimit)
    {
    }
    Rational value;
    bool inRange;

    static bool Both(const Checked& a, const Checked& b) { return a.inRange && b.inRange; }
    friend Checked operator+(const Checked& a, const Checked& b) { return {a.value + b.value, Both(a, b)}; }
    friend Checked operator-(const Checked& a, const Checked& b) { return {a.value - b.value, Both(a, b)}; }
    // A product with zero is zero whatever the other factor.
    friend Checked operator*(const Checked& a, const Checked& b)
    {
        const bool zero = (a.inRange && a.value == 0) || (b.inRange && b.value == 0);
        return zero ? Checked{} : Checked{a.value * b.value, Both(a, b)};
    }
};

inline std::int64_t Integer(const Rational& value)
{
    return numerator(value).convert_to<std::int64_t>();
}

// The first problem in the order the user is told of them, or the operands (proper, in
// lowest terms) and the result as the fields show them, with the exact values.
struct Expected {
    std::optional<engine::Problem> problem;
    Rational a{}, b{}, r{};
    engine::MixedNumber operandA{}, operandB{};
    engine::MixedNumber result{};
};

// `texts` are t(1)..t(6): whole A, denominator A, numerator A, whole B, denominator B, numerator B.
inline Expected Expect(const std::array<std::string, 6>& texts, engine::Operation operation)
{
    using engine::Operation;
    using engine::Problem;
    std::array<Checked, 6> v{};
    for (std::size_t i = 0; i < 6; ++i) {
        if ((texts[i].empty() && i % 3 != 0) || texts[i].find_first_not_of("0123456789") != std::string::npos)
            return {Problem::EnterCorrectly};
        for (const char c : texts[i])
            v[i] = {v[i].value * 10 + (c - '0'), v[i].inRange};
    }
    if (operation == Operation::None)
        return {Problem::ChooseOperation};
    if (v[1].value == 0 || v[4].value == 0)
        return {Problem::ZeroDenominator};
    if (std::any_of(v.begin(), v.end(), [](const Checked& x) { return !x.inRange; }))
        return {Problem::OutOfRange};
    if (operation == Operation::Divide && v[3].value == 0 && v[5].value == 0)
        return {Problem::ZeroDivisor};
    std::array<engine::MixedNumber, 2> proper{}; // each operand proper and in lowest terms
    for (const std::size_t i : {0, 3}) {
        const std::int64_t whole = Integer(v[i].value), den = Integer(v[i + 1].value), num = Integer(v[i + 2].value);
        const std::int64_t rest = num % den, divisor = rest == 0 ? den : std::gcd(rest, den);
        proper[i / 3] = {whole + num / den, rest / divisor, den / divisor};
    }
    const auto checked = [](const engine::MixedNumber& n) {
        return std::array<Checked, 3>{Rational(n.whole), Rational(n.numerator), Rational(n.denominator)};
    };
    const auto [aw, an, ad] = checked(proper[0]);
    const auto [bw, bn, bd] = checked(proper[1]);
    const Rational a = Mixed(v[0].value, v[2].value, v[1].value), b = Mixed(v[3].value, v[5].value, v[4].value);
    // The result in the form the engine builds it, to see where a component leaves the range.
    Checked whole, numerator, denominator = bd * ad;
    Rational r;
    switch (operation) {
    case Operation::None: break;
    case Operation::Add: numerator = an * bd + bn * ad, whole = bw + aw, r = a + b; break;
    case Operation::Subtract: numerator = an * bd - bn * ad, whole = aw - bw, r = a - b; break;
    case Operation::Multiply: numerator = (aw * ad + an) * (bw * bd + bn), r = a * b; break;
    case Operation::Divide: numerator = (aw * ad + an) * bd, denominator = (bw * bd + bn) * ad, r = a / b; break;
    }
    if (!aw.inRange || !bw.inRange || !whole.inRange || !numerator.inRange || !denominator.inRange)
        return {Problem::OutOfRange};
    engine::MixedNumber result{Integer(whole.value), Integer(numerator.value), Integer(denominator.value)};
    if (result.numerator >= result.denominator) // whole units carried out of the fraction
        result = {result.whole + result.numerator / result.denominator, result.numerator % result.denominator,
                  result.denominator};
    if (!Checked(result.whole).inRange)
        return {Problem::OutOfRange};
    literal::ReduceResult(result);
    return {std::nullopt, a, b, r, proper[0], proper[1], result};
}

} // namespace support
