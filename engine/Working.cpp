#include "Working.h"

#include "Arithmetic.h"
#include "ExactValue.h"
#include "NumberText.h"
#include "ResultExplanation.h"

#include <cstdlib>
#include <numeric>
#include <optional>
#include <vector>

namespace engine {

namespace {

// p / q with q > 0.
struct Ratio {
    std::int64_t p;
    std::int64_t q;
};

std::optional<std::int64_t> Times(std::int64_t a, std::int64_t b)
{
    if (a != 0 && std::llabs(b) > kExactLimit / std::llabs(a))
        return std::nullopt;
    return a * b;
}

// Sums of values within the range stay within 64 bits.
std::optional<std::int64_t> Plus(std::optional<std::int64_t> a, std::optional<std::int64_t> b)
{
    if (!a || !b || !InExactRange(*a + *b))
        return std::nullopt;
    return *a + *b;
}

std::optional<Ratio> Improper(const MixedNumber& x)
{
    const auto p = Plus(Times(x.whole, x.denominator), x.numerator);
    return p ? std::optional<Ratio>({*p, x.denominator}) : std::nullopt;
}

std::optional<Ratio> Over(std::optional<std::int64_t> p, std::optional<std::int64_t> q)
{
    return p && q ? std::optional<Ratio>({*p, *q}) : std::nullopt;
}

std::string AsFraction(const Ratio& r)
{
    return FormatInteger(r.p) + "/" + FormatInteger(r.q);
}

// A whole value as plain digits.
std::string AsWritten(const Ratio& r)
{
    return r.q == 1 ? FormatInteger(r.p) : AsFraction(r);
}

std::string AsMixed(const Ratio& r)
{
    return WrittenMixed({r.p < 0, std::llabs(r.p / r.q), std::llabs(r.p % r.q), r.q});
}

std::string Sign(Operation operation)
{
    switch (operation) {
    case Operation::None: break;
    case Operation::Add: return " + ";
    case Operation::Subtract: return " − ";
    case Operation::Multiply: return " × ";
    case Operation::Divide: return " ÷ ";
    }
    return " ";
}

// The steps joined by " = "; a step that reads as the one before it is left out.
class Steps {
public:
    void add(const std::string& step)
    {
        if (steps_.empty() || steps_.back() != step)
            steps_.push_back(step);
    }
    std::string text() const
    {
        std::string joined;
        for (const std::string& step : steps_)
            joined += (joined.empty() ? "" : " = ") + step;
        return joined;
    }

private:
    std::vector<std::string> steps_;
};

// The sum or difference over the least common denominator, written as the two terms.
std::optional<Ratio> OverCommonDenominator(const Ratio& a, const Ratio& b, Operation operation, Steps& steps)
{
    const auto common = Times(a.q / std::gcd(a.q, b.q), b.q);
    if (!common)
        return std::nullopt;
    const std::int64_t lcd = *common;
    const auto aTimes = Times(a.p, lcd / a.q), bTimes = Times(b.p, lcd / b.q);
    if (!aTimes || !bTimes)
        return std::nullopt;
    const Ratio aOver{*aTimes, lcd}, bOver{*bTimes, lcd};
    steps.add(lcd == 1 ? AsWritten(aOver) + Sign(operation) + AsWritten(bOver)
                       : AsFraction(aOver) + Sign(operation) + AsFraction(bOver));
    return Over(Plus(*aTimes, operation == Operation::Add ? *bTimes : -*bTimes), lcd);
}

} // namespace

std::string Working(const MixedNumber& a, const MixedNumber& b, Operation operation)
{
    Steps steps;
    const auto written = [](const MixedNumber& x) {
        return WrittenMixed({false, x.whole, x.numerator, x.denominator});
    };
    steps.add(written(a) + Sign(operation) + written(b));
    const auto aImproper = Improper(a), bImproper = Improper(b);
    if (!aImproper || !bImproper)
        return steps.text();
    const Ratio x = *aImproper, y = *bImproper;
    steps.add(AsWritten(x) + Sign(operation) + AsWritten(y));
    std::optional<Ratio> unreduced;
    switch (operation) {
    case Operation::None: break;
    case Operation::Add:
    case Operation::Subtract: unreduced = OverCommonDenominator(x, y, operation, steps); break;
    case Operation::Multiply: unreduced = Over(Times(x.p, y.p), Times(x.q, y.q)); break;
    case Operation::Divide:
        steps.add(AsWritten(x) + " × " + AsFraction({y.q, y.p}));
        unreduced = Over(Times(x.p, y.q), Times(x.q, y.p));
        break;
    }
    if (!unreduced || unreduced->q == 0)
        return steps.text();
    steps.add(AsWritten(*unreduced));
    const std::int64_t divisor = std::gcd(unreduced->p, unreduced->q);
    const Ratio reduced{unreduced->p / divisor, unreduced->q / divisor};
    if (reduced.q != 1)
        steps.add(AsWritten(reduced));
    steps.add(AsMixed(reduced));
    return steps.text();
}

} // namespace engine
