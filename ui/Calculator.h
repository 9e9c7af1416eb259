#pragma once

#include "CalcState.h"
#include "FieldSet.h"
#include "Operation.h"

#include <string>
#include <string_view>

namespace ui {

// What the main window does, whatever draws it: the operator buttons choose, "＝" evaluates
// and explains the result, "新运算" clears, and a field's tooltip shows what the field cannot.
class Calculator {
public:
    // As the window loads: no operation chosen.
    Calculator();

    void chooseOperation(engine::Operation operation);
    // "＝": the evaluation, then the result's explanation, or none after a message.
    void evaluate(engine::FieldSet& fields);
    // "新运算": every field emptied, the explanation with them; the operation stays chosen.
    void clear(engine::FieldSet& fields);

    const engine::CalcState& state() const { return state_; }
    // Over the result fields: the exact value, then the working.
    const std::string& explanation() const { return explanation_; }
    // For screen readers: the value in words, then the working.
    const std::string& reading() const { return reading_; }

    // The tooltip of field `index` holding `text`: the whole text when the field cuts it, then
    // for a result field the explanation.
    std::string fieldTooltip(int index, std::string_view text, bool cut) const;

    // Whether a text this many pixels wide is cut by a field this many pixels wide.
    static bool IsCut(int textWidth, int fieldWidth);
    static bool IsResultField(int index);

private:
    void explainResult(engine::Operation operation);

    engine::CalcState state_;
    std::string explanation_;
    std::string reading_;
};

} // namespace ui
