#pragma once

#include <cstdint>

namespace engine {

// A whole part plus a fraction; it stands for whole + numerator / denominator.
// Every component is an exact integer: the evaluation keeps them within
// +-kExactLimit, where a double still holds them exactly for the decimal value.
struct MixedNumber {
    std::int64_t whole = 0;
    std::int64_t numerator = 0;
    std::int64_t denominator = 0;

    friend bool operator==(const MixedNumber&, const MixedNumber&) = default;
};

} // namespace engine
