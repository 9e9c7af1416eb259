#include "NumberText.h"

#include "Arithmetic.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>

namespace engine {

namespace {

bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Doubles of this magnitude and above have no fraction, but may not fit 64 bits.
constexpr double kTwoTo63 = 9223372036854775808.0;

} // namespace

bool IsDigitRun(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), IsAsciiDigit);
}

std::optional<std::int64_t> ParseDigitRun(std::string_view digits)
{
    std::int64_t value = 0;
    for (const char c : digits) {
        value = value * 10 + (c - '0');
        if (value > kExactLimit)
            return std::nullopt;
    }
    return value;
}

std::string FormatInteger(std::int64_t value)
{
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return {buffer, end};
}

std::string FormatDecimal(double value)
{
    if (value == std::trunc(value) && std::fabs(value) < kTwoTo63)
        return FormatInteger(static_cast<std::int64_t>(value));
    char buffer[40];
#if defined(__cpp_lib_to_chars)
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
#else
    // Standard libraries without floating-point to_chars (emscripten's): "%.15g" writes the
    // same digits, and the C library there always writes '.', whatever the locale.
    std::string text(buffer, static_cast<std::size_t>(std::snprintf(buffer, sizeof buffer, "%.15g", value)));
#endif
    std::replace(text.begin(), text.end(), 'e', 'E');
    return text;
}

} // namespace engine
