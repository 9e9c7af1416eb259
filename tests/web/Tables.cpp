// velmo-web-tables stories | layout | cases SEED COUNT: what the browser tests check the page
// against, as JSON, from the tables the other front ends' tests use and from the description,
// never from the page itself. "cases" draws the engine's random property cases and works them
// natively, for the WebAssembly build to agree with.
#include "AboutWindow.h"
#include "Calculator.h"
#include "MainWindow.h"
#include "MemoryFieldSet.h"
#include "RandomCase.h"
#include "UserStories.h"

#include <cstdio>
#include <iostream>
#include <random>
#include <string>

namespace {

std::string Quoted(std::string_view text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            quoted += {'\\', c};
        else if (c == '\n')
            quoted += "\\n";
        else
            quoted += c;
    }
    return quoted + "\"";
}

std::string Rect(const ui::TwipsRect& rect)
{
    return "[" + std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.width) + ","
           + std::to_string(rect.height) + "]";
}

void PrintStories()
{
    std::cout << "[";
    const char* comma = "";
    for (const support::UserStory& story : support::kUserStories) {
        std::cout << comma << "{\"name\":" << Quoted(story.name) << ",\"script\":" << Quoted(story.script)
                  << ",\"fields\":" << Quoted(story.fields) << ",\"messages\":" << Quoted(story.messages)
                  << ",\"focus\":" << Quoted(story.focus) << ",\"tooltip\":" << Quoted(story.tooltip)
                  << ",\"reading\":" << Quoted(story.reading) << "}\n";
        comma = ",";
    }
    std::cout << "]\n";
}

std::string Control(const ui::Control& control)
{
    return "{\"name\":" + Quoted(control.name) + ",\"caption\":" + Quoted(control.caption) + ",\"rect\":"
           + Rect(control.rect) + ",\"points\":" + std::to_string(control.font.points) + ",\"bold\":"
           + (control.font.bold ? "true" : "false") + ",\"tabIndex\":" + std::to_string(control.tabIndex)
           + ",\"tabStop\":" + (control.tabStop ? "true" : "false") + ",\"accessibleName\":"
           + Quoted(control.accessibleName) + "}";
}

// Every control of the main window, its bars, menus and the About window's labels.
void PrintLayout()
{
    namespace main_window = ui::main_window;
    std::string controls;
    for (const ui::Control& field : main_window::kFields)
        controls += Control(field) + ",";
    for (const ui::Control& button : main_window::kOperatorButtons)
        controls += Control(button) + ",";
    controls += Control(main_window::kEquals) + "," + Control(main_window::kNew);
    std::string bars, menus, labels;
    for (const ui::TwipsLine& bar : main_window::kFractionBars)
        bars += (bars.empty() ? "" : ",") + Rect({bar.x1, bar.y1, bar.x2 - bar.x1, 0});
    for (const ui::Menu& menu : main_window::kMenus) {
        std::string items;
        for (const ui::MenuItem& item : menu.items)
            items += (items.empty() ? "" : ",") + Quoted(item.caption);
        menus += (menus.empty() ? "" : ",") + std::string("{\"caption\":") + Quoted(menu.caption) + ",\"items\":["
                 + items + "]}";
    }
    for (const ui::Label& label : ui::about_window::kLabels)
        labels += (labels.empty() ? "" : ",") + std::string("{\"name\":") + Quoted(label.name) + ",\"rect\":"
                  + Rect(label.rect) + ",\"clickHides\":" + (label.clickHides ? "true" : "false") + "}";
    std::cout << "{\"caption\":" << Quoted(main_window::kCaption) << ",\"picture\":" << Rect(main_window::kPicture)
              << ",\"controls\":[" << controls << "],\"bars\":[" << bars << "],\"menus\":[" << menus
              << "],\"about\":{\"caption\":" << Quoted(ui::about_window::kCaption)
              << ",\"client\":" << Rect(ui::about_window::kClientArea) << ",\"labels\":[" << labels
              << "]},\"title\":" << Quoted(ui::product::kName) << ",\"button\":" << Quoted(main_window::kMessageButton)
              << "}\n";
}

// One line each: the six operand texts, the operator button chosen (-1 for none), and what the
// calculator then shows: t(1)..t(10), the messages, the explanation and the reading.
void PrintCases(unsigned long seed, int count)
{
    std::mt19937_64 random(seed);
    for (int i = 0; i < count; ++i) {
        support::MemoryFieldSet fields;
        std::string texts;
        for (int f = 1; f <= 6; ++f) {
            const std::string text = support::RandomField(random);
            fields.set(f, text);
            texts += (f == 1 ? "" : ",") + Quoted(text);
        }
        const engine::Operation operation = engine::ToOperation(support::RandomOpCode(random));
        ui::Calculator calculator;
        if (operation != engine::Operation::None)
            calculator.chooseOperation(operation);
        calculator.evaluate(fields);
        std::string shown, messages;
        for (int f = 1; f <= 10; ++f)
            shown += (f == 1 ? "" : ",") + Quoted(fields.read(f));
        for (const std::string& message : fields.messages)
            messages += (messages.empty() ? "" : ",") + Quoted(message);
        std::cout << "{\"texts\":[" << texts << "],\"button\":" << static_cast<int>(operation) - 1 << ",\"shown\":["
                  << shown << "],\"messages\":[" << messages << "],\"explanation\":" << Quoted(calculator.explanation())
                  << ",\"reading\":" << Quoted(calculator.reading()) << "}\n";
    }
}

} // namespace

int main(int argc, char** argv)
{
    const std::string table = argc > 1 ? argv[1] : "";
    if (table == "stories")
        PrintStories();
    else if (table == "layout")
        PrintLayout();
    else if (table == "cases" && argc == 4)
        PrintCases(std::stoul(argv[2]), std::stoi(argv[3]));
    else {
        std::cerr << "usage: velmo-web-tables stories | layout | cases SEED COUNT\n";
        return 2;
    }
    return 0;
}
