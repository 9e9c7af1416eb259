#include "Evaluate.h"

#include "Arithmetic.h"
#include "NumberText.h"

#include <array>
#include <optional>

namespace engine {

namespace {

// The operand fields in the order they are checked and read.
constexpr std::array kOperandFields{field::kWholeA, field::kDenominatorA, field::kNumeratorA,
                                    field::kWholeB, field::kDenominatorB, field::kNumeratorB};

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

bool OperandFieldsHoldNumbers(const FieldSet& fields)
{
    for (const int index : kOperandFields) {
        if (!IsDigitRun(fields.read(index)))
            return false;
    }
    return true;
}

// A field above kExactLimit reads as empty.
std::optional<std::int64_t> ReadField(const FieldSet& fields, int index)
{
    return ParseDigitRun(fields.read(index));
}

// Checks the operands read from the fields in the order zero denominator, range,
// zero divisor; a zero denominator or divisor would never end the carry.
const char* ReadOperands(const FieldSet& fields, std::int16_t opCode, Operands& operands)
{
    const auto wholeA = ReadField(fields, field::kWholeA);
    const auto denominatorA = ReadField(fields, field::kDenominatorA);
    const auto numeratorA = ReadField(fields, field::kNumeratorA);
    const auto wholeB = ReadField(fields, field::kWholeB);
    const auto denominatorB = ReadField(fields, field::kDenominatorB);
    const auto numeratorB = ReadField(fields, field::kNumeratorB);
    if (denominatorA == 0 || denominatorB == 0)
        return text::kZeroDenominator;
    if (!wholeA || !denominatorA || !numeratorA || !wholeB || !denominatorB || !numeratorB)
        return text::kOutOfRange;
    if (opCode == 4 && *wholeB == 0 && *numeratorB == 0)
        return text::kZeroDivisor;
    operands = {{*wholeA, *numeratorA, *denominatorA}, {*wholeB, *numeratorB, *denominatorB}};
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
    if (!OperandFieldsHoldNumbers(fields)) {
        state.inputError = -1;
        return text::kEnterCorrectly;
    }
    if (!IsOperation(state.OpCode)) {
        state.noOperationError = -1;
        return text::kChooseOperation;
    }
    Operands operands;
    if (const char* problem = ReadOperands(fields, state.OpCode, operands))
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
