#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace engine {

// True for a non-empty run of the ASCII digits 0-9, the only text a field may hold.
bool IsDigitRun(std::string_view text);

// The value of a digit run, or empty when it lies above kExactLimit (leading zeros allowed).
std::optional<std::int64_t> ParseDigitRun(std::string_view digits);

// Any integer as plain digits, with a leading "-" when negative.
std::string FormatInteger(std::int64_t value);

// A whole value as plain digits, never "-0"; any other value as C's "%.15G" prints it
// in the "C" locale: 15 significant digits, no trailing zeros, "." as separator, and
// exponent form outside 1E-4 <= |x| < 1E15.
std::string FormatDecimal(double value);

} // namespace engine
