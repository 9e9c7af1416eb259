#include "Evaluate.h"

#include "Arithmetic.h"
#include "NumberText.h"
#include "Problem.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace engine {

namespace {

// The operand fields t(1)..t(6), in the order they are checked and read.
constexpr int kFirstOperandField = field::kWholeA;
constexpr int kOperandFieldCount = 6;

// Something held for each operand field, looked up by field index.
template <typename T> struct PerOperandField {
    std::array<T, kOperandFieldCount> items{};
    T& operator[](int index) { return items.at(static_cast<std::size_t>(index - kFirstOperandField)); }
};

using OperandTexts = PerOperandField<std::string>;
using OperandValues = PerOperandField<std::optional<std::int64_t>>;

struct Operands {
    MixedNumber a;
    MixedNumber b;
};

// Either the operands, or what stops the evaluation.
struct Parsed {
    Operands operands;
    std::optional<Problem> problem;
};

void FillEmptyWhole(FieldSet& fields, int index)
{
    if (fields.read(index).empty())
        fields.write(index, "0");
}

OperandTexts ReadOperandTexts(const FieldSet& fields)
{
    OperandTexts texts;
    for (int i = field::kWholeA; i <= field::kNumeratorB; ++i)
        texts[i] = fields.read(i);
    return texts;
}

bool IsZero(const std::optional<std::int64_t>& value)
{
    return value.has_value() && *value == 0;
}

// Checks the operand values in the order zero denominator, range, zero divisor; a
// zero denominator or divisor would never end the carry. A value above kExactLimit
// parses as empty.
Parsed ParseOperands(const OperandTexts& texts, Operation operation)
{
    OperandValues v;
    std::transform(texts.items.begin(), texts.items.end(), v.items.begin(),
                   [](const std::string& text) { return ParseDigitRun(text); });
    if (IsZero(v[field::kDenominatorA]) || IsZero(v[field::kDenominatorB]))
        return {{}, Problem::ZeroDenominator};
    if (!std::all_of(v.items.begin(), v.items.end(), [](const auto& value) { return value.has_value(); }))
        return {{}, Problem::OutOfRange};
    if (operation == Operation::Divide && *v[field::kWholeB] == 0 && *v[field::kNumeratorB] == 0)
        return {{}, Problem::ZeroDivisor};
    return {{{*v[field::kWholeA], *v[field::kNumeratorA], *v[field::kDenominatorA]},
             {*v[field::kWholeB], *v[field::kNumeratorB], *v[field::kDenominatorB]}},
            std::nullopt};
}

// Normalises and reduces both operands, combines them and reduces the result; on
// success stores all three numbers and the decimal value in the state.
std::optional<Problem> Calculate(CalcState& state, Operands operands, Operation operation)
{
    Normalise(operands.a);
    Normalise(operands.b);
    if (!InExactRange(operands.a.whole) || !InExactRange(operands.b.whole))
        return Problem::OutOfRange;
    ReduceOperand(operands.a);
    ReduceOperand(operands.b);
    auto result = Combine(operands.a, operands.b, operation);
    if (!result)
        return Problem::OutOfRange;
    ReduceResult(*result);
    state.store(Slot::A, operands.a);
    state.store(Slot::B, operands.b);
    state.store(Slot::R, *result);
    state.decimalValue = DecimalValue(*result);
    return std::nullopt;
}

void WriteNumber(FieldSet& fields, const MixedNumber& number, int wholeIndex)
{
    fields.write(wholeIndex, FormatInteger(number.whole));
    fields.write(wholeIndex + 1, FormatInteger(number.denominator));
    fields.write(wholeIndex + 2, FormatInteger(number.numerator));
}

void WriteResults(const CalcState& state, FieldSet& fields)
{
    WriteNumber(fields, state.number(Slot::A), field::kWholeA);
    WriteNumber(fields, state.number(Slot::B), field::kWholeB);
    WriteNumber(fields, state.number(Slot::R), field::kWholeR);
    fields.write(field::kDecimal, FormatDecimal(state.decimalValue));
}

// Everything after the whole-part fill; returns what stopped it, if anything.
std::optional<Problem> Run(CalcState& state, FieldSet& fields)
{
    const OperandTexts texts = ReadOperandTexts(fields);
    if (!std::all_of(texts.items.begin(), texts.items.end(),
                     [](const std::string& text) { return IsDigitRun(text); })) {
        state.inputError = -1;
        return Problem::EnterCorrectly;
    }
    const Operation operation = ToOperation(state.OpCode);
    if (operation == Operation::None) {
        state.noOperationError = -1;
        return Problem::ChooseOperation;
    }
    const Parsed parsed = ParseOperands(texts, operation);
    if (parsed.problem)
        return parsed.problem;
    if (auto problem = Calculate(state, parsed.operands, operation))
        return problem;
    WriteResults(state, fields);
    return std::nullopt;
}

} // namespace

void Evaluate(CalcState& state, FieldSet& fields)
{
    state.clearNumbers();
    FillEmptyWhole(fields, field::kWholeA);
    FillEmptyWhole(fields, field::kWholeB);
    if (const auto problem = Run(state, fields))
        fields.message(std::string(ProblemText(*problem)));
    state.OpCode = ToOpCode(Operation::None);
}

} // namespace engine
