#include "ResultExplanation.h"

#include "NumberText.h"

#include <algorithm>
#include <vector>

namespace engine {

namespace {

struct Expansion {
    std::string digits;   // after the point
    int periodStart = -1; // index into digits where the repeating part begins, or -1
    bool truncated = false;
};

// Long division of numerator / denominator, remembering each remainder so that the
// first one to come back marks the period. At most kMaxExpansionDigits steps: the
// denominators reach 2^53, and so can their periods.
Expansion Expand(std::int64_t numerator, std::int64_t denominator)
{
    Expansion out;
    std::vector<std::int64_t> remainders;
    std::int64_t r = numerator;
    while (r != 0) {
        const auto seen = std::find(remainders.begin(), remainders.end(), r);
        if (seen != remainders.end()) {
            out.periodStart = static_cast<int>(seen - remainders.begin());
            return out;
        }
        if (static_cast<int>(out.digits.size()) == kMaxExpansionDigits) {
            out.truncated = true;
            return out;
        }
        remainders.push_back(r);
        const std::int64_t shifted = r * 10; // below 10 * 2^53, well inside 64 bits
        out.digits.push_back(static_cast<char>('0' + shifted / denominator));
        r = shifted % denominator;
    }
    return out;
}

std::string Signed(const ExactValue& value, const std::string& text)
{
    return value.negative ? "-" + text : text;
}

bool IsWhole(const ExactValue& value)
{
    return value.numerator == 0;
}

struct DecimalText {
    std::string text;
    bool truncated = false;
};

DecimalText ExpansionOf(const ExactValue& value)
{
    std::string text = FormatInteger(value.whole);
    if (IsWhole(value))
        return {Signed(value, text)};
    const Expansion e = Expand(value.numerator, value.denominator);
    text += '.';
    if (e.periodStart < 0) {
        text += e.digits;
    } else {
        text.append(e.digits, 0, static_cast<std::size_t>(e.periodStart));
        text += '(' + e.digits.substr(static_cast<std::size_t>(e.periodStart)) + ')';
    }
    if (e.truncated)
        text += "…";
    return {Signed(value, text), e.truncated};
}

} // namespace

std::string DecimalExpansion(const ExactValue& value)
{
    return ExpansionOf(value).text;
}

std::string WrittenMixed(const ExactValue& value)
{
    const std::string fraction = FormatInteger(value.numerator) + "/" + FormatInteger(value.denominator);
    if (IsWhole(value))
        return Signed(value, FormatInteger(value.whole));
    if (value.whole == 0)
        return Signed(value, fraction);
    return Signed(value, FormatInteger(value.whole) + "又" + fraction);
}

std::string ChineseReading(const ExactValue& value)
{
    const std::string sign = value.negative ? "负" : "";
    if (IsWhole(value))
        return sign + FormatInteger(value.whole);
    const std::string fraction = FormatInteger(value.denominator) + "分之" + FormatInteger(value.numerator);
    const std::string spoken = value.whole == 0 ? fraction : FormatInteger(value.whole) + "又" + fraction;
    const DecimalText decimal = ExpansionOf(value);
    return sign + spoken + (decimal.truncated ? "，约等于 " : "，等于 ") + decimal.text;
}

std::string ResultTooltip(const ExactValue& value)
{
    const std::string written = "= " + WrittenMixed(value);
    return IsWhole(value) ? written : written + " = " + DecimalExpansion(value);
}

} // namespace engine
