#include "Arithmetic.h"
#include "Evaluate.h"
#include "ExactReference.h"
#include "MemoryFieldSet.h"
#include "Problem.h"
#include "RandomCase.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numeric>
#include <optional>
#include <random>
#include <string>

// The engine through its evaluate command on fields held in memory, random operands against
// exact arithmetic. The documented examples and the guards are user stories (UserStories.h),
// which the window tests replay through both front ends.
namespace {

using engine::Operation;
using engine::Problem;
using support::Expect;
using support::Expected;
using support::Mixed;
using support::Rational;

// Operands and result as written: each equal to the exact value; operands proper and in lowest terms, the
// result as the step-by-step reduction leaves it.
bool ShowsExactly(const support::MemoryFieldSet& fields, const Expected& expected)
{
    const Rational* values[] = {&expected.a, &expected.b, &expected.r};
    for (int k = 0; k < 3; ++k) {
        const std::int64_t w = std::stoll(fields.read(3 * k + 1)), d = std::stoll(fields.read(3 * k + 2)),
                           n = std::stoll(fields.read(3 * k + 3));
        const bool form
            = k < 2 ? n >= 0 && n < d && std::gcd(n, d) == 1 : expected.result == engine::MixedNumber{w, n, d};
        if (Mixed(w, n, d) != *values[k] || !form)
            return false;
    }
    const double exact = expected.r.convert_to<double>(), shown = std::strtod(fields.read(10).c_str(), nullptr);
    return std::fabs(shown - exact) <= 5.3e-15 * std::fabs(exact); // fifteen digits, read back
}

TEST(Property, EvaluationAgreesWithExactArithmetic)
{
    std::mt19937_64 random(6122026);
    std::array<int, 6> seen{}; // each problem, then success
    for (int i = 0; i < 20000; ++i) {
        std::array<std::string, 6> texts;
        for (std::string& text : texts)
            text = support::RandomField(random);
        if (i % 8 == 0) // a zero divisor, were the operation a divide
            texts[3] = texts[5] = "0";
        support::MemoryFieldSet fields;
        for (int f = 0; f < 6; ++f)
            fields.set(f + 1, texts[static_cast<std::size_t>(f)]);
        engine::CalcState state;
        state.OpCode = support::RandomOpCode(random);
        const Operation operation = engine::ToOperation(state.OpCode);
        const Expected expected = Expect(texts, operation);
        engine::Evaluate(state, fields);
        ASSERT_EQ(state.OpCode, 0) << "row " << i;
        if (expected.problem) {
            ASSERT_EQ(fields.messages, std::vector<std::string>{std::string(engine::ProblemText(*expected.problem))})
                << "row " << i;
            for (const auto& [index, text] : fields.writes) // nothing but an empty whole part, filled with "0"
                ASSERT_TRUE((index == 1 || index == 4) && text == "0" && texts[std::size_t(index) - 1].empty());
        } else
            ASSERT_TRUE(fields.messages.empty() && ShowsExactly(fields, expected)) << "row " << i;
        ++seen[expected.problem ? static_cast<std::size_t>(*expected.problem) : 5];
    }
    for (const int count : seen)
        EXPECT_GT(count, 300) << testing::PrintToString(seen);
}

} // namespace
