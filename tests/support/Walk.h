#pragma once

#include "AboutWindow.h"
#include "ExactReference.h"
#include "MainWindow.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

// A seeded random walk of user actions in the main window and the About window, written as
// steps of the user stories' script (UserStories.h) for both window drivers to replay, and a
// model of what the window then shows, kept apart from the program: its own fields, caret,
// focus and pending operation, "＝" worked out by the exact reference.
namespace support {

// What a driver sees after a step; what it cannot see is left empty.
struct Observed {
    std::array<std::string, 11> fields; // t(0)..t(10)
    std::string messages;               // each message box the step opened, joined by "|"
    std::optional<int> operation;       // the pending operation's code
    std::string focus;                  // the control with the keyboard focus, by name
    int aboutWindows = 0;               // About windows made, shown or not
    bool aboutShown = false;
};

class Walk {
public:
    // Steps and seed from VELMO_WALK_STEPS and VELMO_WALK_SEED where they are set.
    Walk(long defaultSteps, std::uint64_t defaultSeed)
        : steps_(FromEnvironment("VELMO_WALK_STEPS", defaultSteps))
        , seed_(static_cast<std::uint64_t>(FromEnvironment("VELMO_WALK_SEED", static_cast<long>(defaultSeed))))
        , random_(seed_)
    {
        fields_[1].focused = true;
    }

    long steps() const { return steps_; }

    // The next step, already applied to the model.
    std::string next()
    {
        std::string step;
        while (step.empty())
            step = tryStep();
        history_.push_back(step);
        if (history_.size() > 10)
            history_.pop_front();
        return step;
    }

    // What differs between the window and the model; empty when nothing does.
    std::string differences(const Observed& seen) const
    {
        std::string found;
        const auto expect
            = [&found](bool same, std::string_view what, const std::string& shown, const std::string& modelled) {
                  if (!same)
                      found += std::string(what) + " shows \"" + shown + "\", the model \"" + modelled + "\"; ";
              };
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            const std::string text = fields_[i].text();
            const bool same
                = i == 10 && decimal_ ? SameDecimal(seen.fields[i], text, *decimal_) : seen.fields[i] == text;
            expect(same, "t" + std::to_string(i), seen.fields[i], text);
        }
        expect(seen.messages == messages_, "messages", seen.messages, messages_);
        if (seen.operation)
            expect(*seen.operation == operation_, "operation", std::to_string(*seen.operation),
                   std::to_string(operation_));
        if (!aboutActive_)
            expect(seen.focus == focus_, "focus", seen.focus, focus_);
        expect(seen.aboutWindows == (aboutMade_ ? 1 : 0), "About windows", std::to_string(seen.aboutWindows),
               aboutMade_ ? "1" : "0");
        expect(seen.aboutShown == aboutShown_, "About shown", seen.aboutShown ? "yes" : "no",
               aboutShown_ ? "yes" : "no");
        return found;
    }

    // Enough to replay the walk: the seed, the step, the last ten actions.
    std::string report(long step, const std::string& differences) const
    {
        std::string text = "walk seed " + std::to_string(seed_) + ", step " + std::to_string(step) + ": " + differences
            + "\nlast actions:";
        for (const std::string& action : history_)
            text += " " + action + ";";
        return text;
    }

private:
    // One character of a field, as UTF-8.
    using Text = std::vector<std::string>;

    struct Field {
        Text chars;
        std::size_t caret = 0;
        std::size_t anchor = 0; // the selection lies between anchor and caret
        bool focused = false;
        // Known selection: an unfocused field's selection is kept by one platform, dropped by another.
        bool sure = true;

        std::string text() const
        {
            std::string joined;
            for (const std::string& c : chars)
                joined += c;
            return joined;
        }
        bool fitsWhole() const // short enough that a click at its right end puts the caret after it
        {
            return chars.size() <= 6;
        }
        void replaceSelection(const Text& with)
        {
            const auto [from, to] = std::minmax(anchor, caret);
            chars.erase(chars.begin() + static_cast<long>(from), chars.begin() + static_cast<long>(to));
            chars.insert(chars.begin() + static_cast<long>(from), with.begin(), with.end());
            caret = anchor = from + with.size();
        }
        void write(const Text& text)
        {
            chars = text;
            caret = anchor = 0;
            sure = true;
        }
    };

    static long FromEnvironment(const char* name, long fallback)
    {
        const char* value = std::getenv(name);
        return value && *value ? std::atol(value) : fallback;
    }

    static bool SameDecimal(const std::string& shown, const std::string& modelled, const Rational& exact)
    {
        if (shown == modelled)
            return true;
        // Rounded from a double made in two steps, the fifteenth digit may differ by one.
        const double value = exact.convert_to<double>();
        return shown.size() <= modelled.size() + 1
            && std::fabs(std::strtod(shown.c_str(), nullptr) - value) <= 5.3e-15 * std::fabs(value);
    }

    // Fifteen significant digits, whole numbers without a point, exponents as "E-05".
    static std::string DecimalText(const Rational& exact)
    {
        const double value = exact.convert_to<double>();
        if (value == std::trunc(value))
            return std::to_string(static_cast<std::int64_t>(value));
        char buffer[40];
        std::string text(buffer,
                         std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr);
        std::replace(text.begin(), text.end(), 'e', 'E');
        return text;
    }

    static std::string ProblemMessage(engine::Problem problem)
    {
        switch (problem) {
        case engine::Problem::EnterCorrectly: return "请正确输入";
        case engine::Problem::ChooseOperation: return "请选择计算种类";
        case engine::Problem::ZeroDenominator: return "分母不能为零";
        case engine::Problem::OutOfRange: return "数值超出范围";
        case engine::Problem::ZeroDivisor: return "除数不能为零";
        }
        return {};
    }

    static Text Characters(std::string_view utf8)
    {
        Text text;
        for (std::size_t i = 0; i < utf8.size();) {
            const auto lead = static_cast<unsigned char>(utf8[i]);
            const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
            text.emplace_back(utf8.substr(i, length));
            i += length;
        }
        return text;
    }

    static std::string Join(const Text& text)
    {
        std::string joined;
        for (const std::string& c : text)
            joined += c;
        return joined;
    }

    int draw(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    template <typename T> const T& pick(const std::vector<T>& from)
    {
        return from[static_cast<std::size_t>(draw(0, static_cast<int>(from.size()) - 1))];
    }

    // Mostly digits; now and then what a user might type by mistake.
    Text typed(bool inputMethod)
    {
        static const std::vector<std::string> kKeys{"a", "x", "e", " ", "-", "+", ".", "/", ","};
        static const std::vector<std::string> kComposed{"１", "２", "三", "分", "之", "。", "x", "-"};
        Text text;
        for (int n = draw(0, 3); n > 0; --n)
            text.push_back(draw(0, 9) < 7 ? std::string(1, static_cast<char>('0' + draw(0, 9)))
                                          : pick(inputMethod ? kComposed : kKeys));
        return text;
    }

    // What a paste brings: digits, zeros, values near 2^53, long runs, signs, points, nothing.
    std::string pasted()
    {
        static const std::vector<std::string> kTexts{"",
                                                     "0",
                                                     "000",
                                                     "1.5",
                                                     "-3",
                                                     "x",
                                                     "１",
                                                     "9007199254740992",
                                                     "9007199254740993",
                                                     "9007199254740991",
                                                     "4503599627370496"};
        switch (draw(0, 3)) {
        case 0: return pick(kTexts);
        case 1: return std::string(1, static_cast<char>('1' + draw(0, 8))) + "*" + std::to_string(draw(17, 40));
        default: return Join(typed(false));
        }
    }

    static const std::vector<std::string>& TabOrder()
    {
        static const std::vector<std::string> order = [] {
            namespace layout = ui::main_window;
            std::vector<ui::Control> controls(layout::kFields.begin(), layout::kFields.end());
            controls.insert(controls.end(), layout::kOperatorButtons.begin(), layout::kOperatorButtons.end());
            controls.insert(controls.end(), {layout::kEquals, layout::kNew});
            std::stable_sort(controls.begin(), controls.end(),
                             [](auto& a, auto& b) { return a.tabIndex < b.tabIndex; });
            std::vector<std::string> names;
            for (const ui::Control& control : controls)
                if (control.tabStop)
                    names.emplace_back(control.name);
            return names;
        }();
        return order;
    }

    static std::optional<std::size_t> FieldIndex(const std::string& name)
    {
        if (name.size() < 2 || name[0] != 't')
            return std::nullopt;
        return static_cast<std::size_t>(std::stoi(name.substr(1)));
    }

    static bool ReadOnly(std::size_t index) { return ui::main_window::kFields[index].readOnly; }

    void moveFocus(const std::string& to, bool byTab)
    {
        if (const auto from = FieldIndex(focus_)) {
            Field& field = fields_[*from];
            field.focused = false;
            field.sure = field.caret == field.anchor;
        }
        focus_ = to;
        if (const auto index = FieldIndex(to)) {
            Field& field = fields_[*index];
            field.focused = true;
            if (byTab) // a field reached by Tab selects its whole text
                field.anchor = 0, field.caret = field.chars.size(), field.sure = true;
        }
    }

    // A click into the field, unless it has the focus already; false where the model cannot
    // tell where a click would put the caret.
    bool focusField(std::size_t index)
    {
        Field& field = fields_[index];
        if (field.focused && !aboutActive_)
            return true;
        if (!field.fitsWhole())
            return false;
        aboutActive_ = false;
        moveFocus("t" + std::to_string(index), false);
        field.caret = field.anchor = field.chars.size();
        field.sure = true;
        return true;
    }

    void typeInto(std::size_t index, const Text& text)
    {
        Field& field = fields_[index];
        for (const std::string& c : text)
            if (!ReadOnly(index) && c.size() == 1 && c[0] >= '0' && c[0] <= '9')
                field.replaceSelection({c});
    }

    void clearFields()
    {
        for (Field& field : fields_)
            field.write({});
        decimal_.reset();
        moveFocus("t1", false);
    }

    void evaluate()
    {
        for (const std::size_t whole : {1, 4})
            if (fields_[whole].chars.empty())
                fields_[whole].write({"0"});
        std::array<std::string, 6> texts;
        for (std::size_t i = 0; i < texts.size(); ++i)
            texts[i] = fields_[i + 1].text();
        const Expected expected = Expect(texts, static_cast<engine::Operation>(operation_));
        operation_ = 0;
        if (expected.problem) {
            messages_ = ProblemMessage(*expected.problem);
            return;
        }
        const auto write = [this](std::size_t first, const engine::MixedNumber& n) {
            for (const std::int64_t value : {n.whole, n.denominator, n.numerator})
                fields_[first++].write(Characters(std::to_string(value)));
        };
        write(1, expected.operandA);
        write(4, expected.operandB);
        write(7, expected.result);
        fields_[10].write(Characters(DecimalText(expected.r)));
        decimal_ = expected.r;
    }

    void press(const std::string& button)
    {
        if (button == "dy")
            evaluate();
        else if (button == "new")
            clearFields();
        else
            operation_ = button[2] - '0';
    }

    void pressKey(const std::string& key)
    {
        const auto field = FieldIndex(focus_);
        if (key == "Tab") {
            const auto& order = TabOrder();
            const auto at = std::find(order.begin(), order.end(), focus_);
            moveFocus(at + 1 == order.end() ? order.front() : *(at + 1), true);
        } else if (key == "Ctrl+N") {
            clearFields();
        } else if (!field && (key == "Return" || key == "Enter")) {
            press(focus_);
        } else if (field && key == "Home") {
            fields_[*field].caret = fields_[*field].anchor = 0;
        } else if (field && key == "Delete" && !ReadOnly(*field)) {
            Field& edited = fields_[*field];
            if (edited.caret == edited.anchor && edited.caret < edited.chars.size())
                ++edited.caret;
            edited.replaceSelection({});
        }
    }

    // Clicks on the About window: its background, its picture, each label.
    std::string clickAbout()
    {
        std::vector<std::pair<std::string, bool>> parts{{"Form2", true},
                                                        {std::string(ui::about_window::kPictureName), true}};
        for (const ui::Label& label : ui::about_window::kLabels)
            parts.emplace_back(label.name, label.clickHides);
        const auto& [name, hides] = pick(parts);
        aboutShown_ = !hides;
        aboutActive_ = !hides;
        return "about:" + name;
    }

    // A step the model can follow from here, or "" to draw again.
    std::string tryStep()
    {
        messages_.clear();
        const int kind = draw(0, 99);
        const auto index = static_cast<std::size_t>(draw(1, 10));
        if (kind < 30) { // typed, by keys or by an input method
            const bool inputMethod = kind < 8;
            const Text text = typed(inputMethod);
            if (!focusField(index))
                return {};
            typeInto(index, text);
            return (inputMethod ? "ime:" : "") + std::to_string(index) + ":" + Join(text);
        }
        if (kind < 38) {
            if (!fields_[index].sure)
                return {};
            const std::string text = pasted();
            if (text.empty() && fields_[index].caret != fields_[index].anchor)
                return {}; // one platform offers no paste of nothing, another deletes the selection
            const auto star = text.find('*');
            if (!ReadOnly(index))
                fields_[index].replaceSelection(
                    star == std::string::npos
                        ? Characters(text)
                        : Text(static_cast<std::size_t>(std::stoi(text.substr(star + 1))), text.substr(0, star)));
            return "paste:" + std::to_string(index) + ":" + text;
        }
        if (kind < 44)
            return aboutShown_ ? clickAbout() : std::string();
        if (aboutActive_) // keys and buttons are for the main window
            return {};
        if (kind < 62) {
            static const std::vector<std::string> kKeys{"Backspace", "Return", "Enter",  "Escape", "Ctrl+C",
                                                        "Ctrl+V",    "Ctrl+X", "Ctrl+Z", "Home",   "Delete",
                                                        "Tab",       "Tab",    "Tab",    "Ctrl+N"};
            const std::string& key = pick(kKeys);
            pressKey(key);
            return "key:" + key;
        }
        if (kind < 94) {
            static const std::vector<std::string> kButtons{"js1", "js2", "js3", "js4", "dy", "dy", "dy", "new"};
            const std::string& button = pick(kButtons);
            moveFocus(button, false);
            press(button);
            return button;
        }
        if (kind < 97) {
            clearFields();
            return "menu:news";
        }
        aboutMade_ = aboutShown_ = aboutActive_ = true;
        return "menu:about";
    }

    long steps_;
    std::uint64_t seed_;
    std::mt19937_64 random_;
    std::array<Field, 11> fields_{};
    std::optional<Rational> decimal_; // t(10)'s exact value, while it shows a result
    std::string focus_ = "t1";
    int operation_ = 0;
    std::string messages_;
    bool aboutMade_ = false;
    bool aboutShown_ = false;
    bool aboutActive_ = false;
    std::deque<std::string> history_;
};

} // namespace support
