#include "Evaluate.h"

#include "Arithmetic.h"
#include "NumberText.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace engine {

namespace {

// The operand fields in the order they are checked and read.
constexpr std::array kOperandFields{field::kWholeA, field::kDenominatorA, field::kNumeratorA,
                                    field::kWholeB, field::kDenominatorB, field::kNumeratorB};

// The texts, then the values, of the operand fields, in the order of kOperandFields.
using OperandTexts = std::array<std::string, kOperandFields.size()>;
using OperandValues = std::array<std::optional<std::int64_t>, kOperandFields.size()>;
enum OperandSlot : std::size_t { kWholeA, kDenominatorA, kNumeratorA, kWholeB, kDenominatorB, kNumeratorB };

struct Operands {
    MixedNumber a;
    MixedNumber b;
};

bool IsOperation(std::int16_t opCode)
{
    return opCode >= 1 && opCode <= 4;
}

void FillEmptyWhole(FieldSet& fields, int index)
{
    if (fields.read(index).empty())
        fields.write(index, "0");
}

OperandTexts ReadOperandTexts(const FieldSet& fields)
{
    OperandTexts texts;
    std::transform(kOperandFields.begin(), kOperandFields.end(), texts.begin(),
                   [&fields](int index) { return fields.read(index); });
    return texts;
}

bool IsZero(const std::optional<std::int64_t>& value)
{
    return value.has_value() && *value == 0;
}

// Checks the operand values in the order zero denominator, range, zero divisor; a
// zero denominator or divisor would never end the carry. A value above kExactLimit
// parses as empty.
const char* ParseOperands(const OperandTexts& texts, std::int16_t opCode, Operands& operands)
{
    OperandValues v;
    std::transform(texts.begin(), texts.end(), v.begin(),
                   [](const std::string& text) { return ParseDigitRun(text); });
    if (IsZero(v[kDenominatorA]) || IsZero(v[kDenominatorB]))
        return text::kZeroDenominator;
    if (!std::all_of(v.begin(), v.end(), [](const auto& value) { return value.has_value(); }))
        return text::kOutOfRange;
    if (opCode == 4 && *v[kWholeB] == 0 && *v[kNumeratorB] == 0)
        return text::kZeroDivisor;
    operands = {{*v[kWholeA], *v[kNumeratorA], *v[kDenominatorA]}, {*v[kWholeB], *v[kNumeratorB], *v[kDenominatorB]}};
    return nullptr;
}

// Normalises and reduces both operands, combines them and reduces the result; on
// success stores all three numbers and the decimal value in the state.
const char* Calculate(CalcState& state, Operands operands)
{
    Normalise(operands.a);
    Normalise(operands.b);
    if (!InExactRange(operands.a.whole) || !InExactRange(operands.b.whole))
        return text::kOutOfRange;
    ReduceOperand(operands.a);
    ReduceOperand(operands.b);
    auto result = Combine(operands.a, operands.b, state.OpCode);
    if (!result)
        return text::kOutOfRange;
    ReduceResult(*result);
    state.store(Slot::A, operands.a);
    state.store(Slot::B, operands.b);
    state.store(Slot::R, *result);
    state.decimalValue = DecimalValue(*result);
    return nullptr;
}

void WriteNumber(FieldSet& fields, const MixedNumber& number, int wholeIndex)
{
    fields.write(wholeIndex, FormatWhole(number.whole));
    fields.write(wholeIndex + 1, FormatWhole(number.denominator));
    fields.write(wholeIndex + 2, FormatWhole(number.numerator));
}

void WriteResults(const CalcState& state, FieldSet& fields)
{
    WriteNumber(fields, state.number(Slot::A), field::kWholeA);
    WriteNumber(fields, state.number(Slot::B), field::kWholeB);
    WriteNumber(fields, state.number(Slot::R), field::kWholeR);
    fields.write(field::kDecimal, FormatDecimal(state.decimalValue));
}

// Everything after the whole-part fill; returns the message to show, if any.
const char* Run(CalcState& state, FieldSet& fields)
{
    const OperandTexts texts = ReadOperandTexts(fields);
    if (!std::all_of(texts.begin(), texts.end(), [](const std::string& text) { return IsDigitRun(text); })) {
        state.inputError = -1;
        return text::kEnterCorrectly;
    }
    if (!IsOperation(state.OpCode)) {
        state.noOperationError = -1;
        return text::kChooseOperation;
    }
    Operands operands;
    if (const char* problem = ParseOperands(texts, state.OpCode, operands))
        return problem;
    if (const char* problem = Calculate(state, operands))
        return problem;
    WriteResults(state, fields);
    return nullptr;
}

} // namespace

void Evaluate(CalcState& state, FieldSet& fields)
{
    state.clearNumbers();
    FillEmptyWhole(fields, field::kWholeA);
    FillEmptyWhole(fields, field::kWholeB);
    if (const char* problem = Run(state, fields))
        fields.message(problem);
    state.OpCode = 0;
}

} // namespace engine
