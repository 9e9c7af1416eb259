#pragma once

#include <cstdint>
#include <iterator>
#include <random>
#include <string>

namespace support {

// Empty now and then, zero and small numbers often, else any length up to 17 digits, so
// that every guard is met near its edge; now and then not digits at all.
inline std::string RandomField(std::mt19937_64& random)
{
    const auto draw = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const int kind = draw(0, 19);
    std::string digits(kind < 2 ? kind : static_cast<std::size_t>(draw(1, 17)), '0');
    for (char& c : digits)
        c = static_cast<char>('0' + (kind < 8 ? draw(0, 3) * (kind > 1) : draw(0, 9)));
    if (draw(0, 99) == 0) // pasted text holding a sign, a point, a space or a letter
        digits.insert(static_cast<std::size_t>(draw(0, static_cast<int>(digits.size()))), 1, "+-. x"[draw(0, 4)]);
    return digits;
}

// Divides more often than the rest, and now and then no operation, or a code no operation has.
inline std::int16_t RandomOpCode(std::mt19937_64& random)
{
    constexpr std::int16_t kCodes[] = {1, 2, 3, 4, 1, 2, 3, 4, 4, 0, 5};
    return kCodes[std::uniform_int_distribution<std::size_t>(0, std::size(kCodes) - 1)(random)];
}

} // namespace support
