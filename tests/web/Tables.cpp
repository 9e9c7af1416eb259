// velmo-web-tables stories | layout | cases SEED COUNT | walk STEPS SEED: what the browser tests
// check the page against, as JSON, from the tables the other front ends' tests use and from the
// description, never from the page itself. "cases" draws the engine's random property cases and
// works them natively, for the WebAssembly build to agree with. "walk" is the model's walk
// (Walk.h) in conversation: it writes each step and reads back what the page then shows.
#include "AboutWindow.h"
#include "BrowserTexts.h"
#include "Calculator.h"
#include "MainWindow.h"
#include "MemoryFieldSet.h"
#include "RandomCase.h"
#include "Step.h"
#include "UserStories.h"
#include "Walk.h"

#include <array>
#include <iostream>
#include <random>
#include <sstream>
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
    std::ostringstream text;
    text << "[" << rect.left << "," << rect.top << "," << rect.width << "," << rect.height << "]";
    return text.str();
}

// Items joined by ",", each written by `write` to the stream.
template <typename Range, typename Write> std::string Joined(const Range& items, Write write)
{
    std::ostringstream text;
    const char* comma = "";
    for (const auto& item : items) {
        text << comma;
        write(text, item);
        comma = ",";
    }
    return text.str();
}

// A step as the page's driver acts on it: {"kind":"type","inputMethod":false,"field":1,"text":"3"}.
void WriteStep(std::ostream& out, const std::string& step)
{
    static constexpr std::array kKinds{"type", "paste", "key", "menu", "about", "click", "select"};
    const support::Step parsed = support::Step::Parse(step);
    out << std::boolalpha << "{\"kind\":\"" << kKinds.at(static_cast<std::size_t>(parsed.kind))
        << "\",\"inputMethod\":" << parsed.inputMethod << ",\"field\":" << parsed.field
        << ",\"text\":" << Quoted(parsed.text) << "}";
}

void PrintStories()
{
    std::cout << "[" << Joined(support::kUserStories, [](std::ostream& out, const support::UserStory& story) {
        out << "{\"name\":" << Quoted(story.name) << ",\"steps\":["
            << Joined(support::Split(story.script, ';'), WriteStep) << "]"
            << ",\"fields\":" << Quoted(story.fields) << ",\"messages\":" << Quoted(story.messages)
            << ",\"focus\":" << Quoted(story.focus) << ",\"tooltip\":" << Quoted(story.tooltip)
            << ",\"reading\":" << Quoted(story.reading) << "}\n";
    }) << "]\n";
}

void WriteControl(std::ostream& out, const ui::Control& control)
{
    out << "{\"name\":" << Quoted(control.name) << ",\"caption\":" << Quoted(control.caption)
        << ",\"rect\":" << Rect(control.rect) << ",\"points\":" << control.font.points
        << ",\"bold\":" << control.font.bold << ",\"tabIndex\":" << control.tabIndex
        << ",\"tabStop\":" << control.tabStop << ",\"accessibleName\":" << Quoted(control.accessibleName) << "}";
}

// Every control of the main window, its bars, menus and the About window's labels.
void PrintLayout()
{
    namespace main_window = ui::main_window;
    std::cout << std::boolalpha << "{\"caption\":" << Quoted(main_window::kCaption)
              << ",\"picture\":" << Rect(main_window::kPicture) << ",\"controls\":["
              << Joined(main_window::kFields, WriteControl) << ","
              << Joined(main_window::kOperatorButtons, WriteControl) << ",";
    WriteControl(std::cout, main_window::kEquals);
    std::cout << ",";
    WriteControl(std::cout, main_window::kNew);
    std::cout << "],\"bars\":["
              << Joined(main_window::kFractionBars,
                        [](std::ostream& out, const ui::TwipsLine& bar) {
                            out << Rect({bar.x1, bar.y1, bar.x2 - bar.x1, 0});
                        })
              << "],\"menus\":["
              << Joined(main_window::kMenus,
                        [](std::ostream& out, const ui::Menu& menu) {
                            out << "{\"caption\":" << Quoted(menu.caption) << ",\"items\":["
                                << Joined(menu.items,
                                          [](std::ostream& item, const ui::MenuItem& entry) {
                                              item << std::boolalpha << "{\"caption\":" << Quoted(entry.caption)
                                                   << ",\"exit\":" << (entry.command == ui::Command::Exit) << "}";
                                          })
                                << "]}";
                        })
              << "],\"about\":{\"caption\":" << Quoted(ui::about_window::kCaption)
              << ",\"client\":" << Rect(ui::about_window::kClientArea) << ",\"labels\":["
              << Joined(ui::about_window::kLabels,
                        [](std::ostream& out, const ui::Label& label) {
                            out << std::boolalpha << "{\"name\":" << Quoted(label.name)
                                << ",\"rect\":" << Rect(label.rect) << ",\"clickHides\":" << label.clickHides << "}";
                        })
              << "]},\"title\":" << Quoted(ui::product::kName) << ",\"button\":" << Quoted(main_window::kMessageButton)
              << ",\"loading\":" << Quoted(ui::browser::kLoading)
              << ",\"cannotRun\":" << Quoted(ui::browser::kCannotRun) << "}\n";
}

// One line each: the six operand texts, the operator button chosen (-1 for none), and what the
// calculator then shows: t(1)..t(10), the messages, the explanation and the reading.
void PrintCases(unsigned long seed, int count)
{
    std::mt19937_64 random(seed);
    const auto write = [](std::ostream& out, const std::string& text) { out << Quoted(text); };
    for (int i = 0; i < count; ++i) {
        support::MemoryFieldSet fields;
        std::array<std::string, 6> texts;
        for (std::size_t f = 0; f < texts.size(); ++f) {
            texts[f] = support::RandomField(random);
            fields.set(static_cast<int>(f) + 1, texts[f]);
        }
        const engine::Operation operation = engine::ToOperation(support::RandomOpCode(random));
        ui::Calculator calculator;
        if (operation != engine::Operation::None)
            calculator.chooseOperation(operation);
        calculator.evaluate(fields);
        std::array<std::string, 10> shown;
        for (std::size_t f = 0; f < shown.size(); ++f)
            shown[f] = fields.read(static_cast<int>(f) + 1);
        // the buttons choose the operations in their order, from 1
        std::cout << "{\"texts\":[" << Joined(texts, write) << "],\"button\":" << static_cast<int>(operation) - 1
                  << ",\"shown\":[" << Joined(shown, write) << "],\"messages\":[" << Joined(fields.messages, write)
                  << "],\"explanation\":" << Quoted(calculator.explanation())
                  << ",\"reading\":" << Quoted(calculator.reading()) << "}\n";
    }
}

// Each step a line of JSON; then a line from the page's driver, tab-separated: the messages, the
// focus, the About windows made, whether one shows, t(0)..t(10). Ends with {"report":...}, empty
// where the page agreed with the model all the way.
void Converse(long steps, long seed)
{
    support::Walk walk(steps, seed, true);
    std::vector<std::string> shown;
    const std::string report = walk.replay(
        [&shown](const std::string& step) {
            WriteStep(std::cout, step);
            std::cout << std::endl;
            std::string line;
            std::getline(std::cin, line);
            shown = support::Split(line, '\t');
            shown.resize(15);
            return shown[0];
        },
        [&shown](support::Observed& seen) {
            seen.focus = shown[1];
            seen.aboutWindows = std::atoi(shown[2].c_str());
            seen.aboutShown = shown[3] == "1";
            std::copy(shown.begin() + 4, shown.end(), seen.fields.begin());
        },
        [](const auto& check) { check(); });
    std::cout << "{\"report\":" << Quoted(report) << "}" << std::endl;
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
    else if (table == "walk" && argc == 4) // VELMO_WALK_STEPS and VELMO_WALK_SEED go before these
        Converse(std::stol(argv[2]), std::stol(argv[3]));
    else {
        std::cerr << "usage: velmo-web-tables stories | layout | cases SEED COUNT | walk STEPS SEED\n";
        return 2;
    }
    return 0;
}
