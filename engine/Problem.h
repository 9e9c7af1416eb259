#pragma once

#include <string_view>

namespace engine {

// What can stop an evaluation, in the order the evaluation checks for it.
enum class Problem {
    EnterCorrectly,  // an operand field is empty or not a run of digits
    ChooseOperation, // no operation chosen
    ZeroDenominator,
    OutOfRange, // a value beyond +-kExactLimit
    ZeroDivisor,
};

// The message the user reads for a problem.
std::string_view ProblemText(Problem problem);

} // namespace engine
