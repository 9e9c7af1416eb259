#include "Calculator.h"

#include "Evaluate.h"
#include "ExactValue.h"
#include "ResultExplanation.h"
#include "Working.h"

namespace ui {

namespace {

// The frame and the field's inner margin take about 4 pixels on each side.
constexpr int kFieldMargins = 8;

} // namespace

Calculator::Calculator()
{
    state_.OpCode = engine::ToOpCode(engine::Operation::None);
}

void Calculator::chooseOperation(engine::Operation operation)
{
    state_.OpCode = engine::ToOpCode(operation);
}

void Calculator::evaluate(engine::FieldSet& fields)
{
    const engine::Operation operation = engine::ToOperation(state_.OpCode); // used up by the evaluation
    engine::Evaluate(state_, fields);
    explanation_.clear();
    reading_.clear();
    if (state_.hasResult())
        explainResult(operation);
}

void Calculator::clear(engine::FieldSet& fields)
{
    for (int i = 0; i < engine::field::kCount; ++i)
        fields.write(i, {});
    explanation_.clear();
    reading_.clear();
}

void Calculator::explainResult(engine::Operation operation)
{
    const engine::ExactValue value = engine::ToExactValue(state_.number(engine::Slot::R));
    const std::string working
        = engine::Working(state_.number(engine::Slot::A), state_.number(engine::Slot::B), operation);
    explanation_ = engine::ResultTooltip(value) + "\n" + working;
    reading_ = engine::ChineseReading(value) + "；" + working;
}

std::string Calculator::fieldTooltip(int index, std::string_view text, bool cut) const
{
    std::string tooltip = cut ? std::string(text) : std::string();
    if (IsResultField(index) && !explanation_.empty())
        tooltip += (tooltip.empty() ? "" : "\n") + explanation_;
    return tooltip;
}

bool Calculator::IsCut(int textWidth, int fieldWidth)
{
    return textWidth > fieldWidth - kFieldMargins;
}

bool Calculator::IsResultField(int index)
{
    return index >= engine::field::kWholeR && index <= engine::field::kDecimal;
}

} // namespace ui
