#pragma once

#include "ExactValue.h"

#include <string>

namespace engine {

// Digits after the point that an expansion shows at most before it stops with "…".
inline constexpr int kMaxExpansionDigits = 60;

// The exact decimal expansion, with the repeating part in parentheses: "0.8(3)",
// "0.25", "0.(142857)", "-0.25", "3". Past kMaxExpansionDigits digits it stops with
// "…" and no parentheses.
std::string DecimalExpansion(const ExactValue& value);

// The value as written for the eye: "1又3/4", "-1/4", "3".
std::string WrittenMixed(const ExactValue& value);

// What a screen reader says, with Arabic digits: "1又4分之3，等于 1.75",
// "负4分之1，等于 -0.25", "3"; "约等于" where the expansion is cut short.
std::string ChineseReading(const ExactValue& value);

// The tooltip over the result fields: "= 1又3/4 = 1.75", or "= 3" for a whole value.
std::string ResultTooltip(const ExactValue& value);

} // namespace engine
