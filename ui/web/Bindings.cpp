// What the page reaches of the program: ui::Calculator, with the page's fields and message box
// as its FieldSet, and where the About window opens.
#include "Calculator.h"
#include "FieldSet.h"
#include "Operation.h"
#include "Product.h"
#include "ScreenRect.h"

#include <emscripten/bind.h>

#include <string>

namespace {

// A FieldSet whose fields and message box the page implements.
class PageFieldSet : public emscripten::wrapper<engine::FieldSet> {
public:
    EMSCRIPTEN_WRAPPER(PageFieldSet);

    std::string read(int index) const override { return call<std::string>("read", index); }
    void write(int index, const std::string& text) override { call<void>("write", index, text); }
    // The page's message box does not block: it shows, and the page goes on when it is closed.
    // The evaluation writes nothing after a message, so it may end first.
    void message(const std::string& text) override { call<void>("message", text); }
};

// The operator buttons in button order choose engine::kOperations.
void ChooseOperation(ui::Calculator& calculator, std::size_t button)
{
    calculator.chooseOperation(engine::kOperations.at(button));
}

std::string Explanation(const ui::Calculator& calculator)
{
    return calculator.explanation();
}

std::string Reading(const ui::Calculator& calculator)
{
    return calculator.reading();
}

std::string FieldTooltip(const ui::Calculator& calculator, int index, const std::string& text, bool cut)
{
    return calculator.fieldTooltip(index, text, cut);
}

// The build the engine is of, so that the page can tell it was loaded with its own engine.
std::string Version()
{
    return std::string(ui::product::kVersion);
}

} // namespace

EMSCRIPTEN_BINDINGS(velmo)
{
    namespace em = emscripten;
    em::class_<engine::FieldSet>("FieldSet").allow_subclass<PageFieldSet>("PageFieldSet");
    em::class_<ui::Calculator>("Calculator")
        .constructor<>()
        .function("chooseOperation", &ChooseOperation)
        .function("evaluate", &ui::Calculator::evaluate)
        .function("clear", &ui::Calculator::clear)
        .function("explanation", &Explanation)
        .function("reading", &Reading)
        .function("fieldTooltip", &FieldTooltip)
        .class_function("IsCut", &ui::Calculator::IsCut);
    em::value_object<ui::ScreenRect>("ScreenRect")
        .field("left", &ui::ScreenRect::left)
        .field("top", &ui::ScreenRect::top)
        .field("width", &ui::ScreenRect::width)
        .field("height", &ui::ScreenRect::height);
    em::function("placeBeside", &ui::PlaceBeside);
    em::function("version", &Version);
}
