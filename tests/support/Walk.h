#pragma once

#include "AboutWindow.h"
#include "DescribedControls.h"
#include "ExactReference.h"
#include "MainWindow.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A seeded random walk of user actions in the main window and the About window, written as
// steps of the user stories' script (UserStories.h) for both window drivers to replay, and a
// model of what the window then shows, kept apart from the program: its own fields with their
// caret and selection, focus and pending operation, "＝" worked out by the exact reference.
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
    // Steps and seed from VELMO_WALK_STEPS and VELMO_WALK_SEED where they are set. `inPage`, the
    // browser's walk: there the About window is part of the page, which Escape hides as any
    // dialog, and no paste comes while it shows (below).
    Walk(long defaultSteps, long defaultSeed, bool inPage = false)
        : steps_(FromEnvironment("VELMO_WALK_STEPS", defaultSteps))
        , seed_(FromEnvironment("VELMO_WALK_SEED", defaultSeed))
        , random_(static_cast<std::uint64_t>(seed_))
        , inPage_(inPage)
    {
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

    // The window and the model side by side where they differ; empty where they agree.
    std::string differences(const Observed& seen) const
    {
        Observed model{{},
                       messages_,
                       seen.operation ? std::optional(operation_) : std::nullopt,
                       aboutActive_ ? seen.focus : focus_,
                       aboutMade_ ? 1 : 0,
                       aboutShown_};
        for (std::size_t i = 0; i < model.fields.size(); ++i)
            model.fields[i] = fields_[i].text;
        if (decimal_ && SameDecimal(seen.fields[10], model.fields[10], *decimal_))
            model.fields[10] = seen.fields[10];
        const std::string shown = Describe(seen), modelled = Describe(model);
        return shown == modelled ? std::string() : "\nthe window " + shown + "\nthe model  " + modelled;
    }

    // Replays the walk through a window driver: `perform` acts on a step and returns the
    // messages it brought up, `observe` reads the window, `until` checks a condition once or
    // until the driver's patience runs out. Returns the first disagreement's report, or "".
    template <typename Perform, typename Observe, typename Until>
    std::string replay(Perform perform, Observe observe, Until until)
    {
        for (long step = 1; step <= steps_; ++step) {
            Observed seen;
            seen.messages = perform(next());
            std::string found;
            until([&] {
                observe(seen);
                return (found = differences(seen)).empty();
            });
            if (!found.empty())
                return report(step, found);
        }
        return {};
    }

    // Enough to replay the walk: the seed, the step, the last ten actions.
    std::string report(long step, const std::string& differences) const
    {
        std::string text = "walk seed " + std::to_string(seed_) + ", step " + std::to_string(step) + ":" + differences
            + "\nlast actions:";
        for (const std::string& action : history_)
            text += " " + action + ";";
        return text;
    }

private:
    struct Field {
        std::string text; // UTF-8; the caret and the anchor are byte offsets
        std::size_t caret = 0;
        std::size_t anchor = 0; // the selection lies between anchor and caret
        // An unfocused field's selection is kept by one platform and dropped by another.
        bool selectionKnown = true;

        void replaceSelection(std::string_view with)
        {
            const auto [from, to] = std::minmax(anchor, caret);
            text.replace(from, to - from, with);
            caret = anchor = from + with.size();
        }
        void write(std::string_view with) { text = with, caret = anchor = 0, selectionKnown = true; }
    };

    static long FromEnvironment(const char* name, long fallback)
    {
        const char* value = std::getenv(name);
        return value && *value ? std::atol(value) : fallback;
    }

    static std::string Describe(const Observed& seen)
    {
        std::string text;
        for (std::size_t i = 0; i < seen.fields.size(); ++i)
            text += "t" + std::to_string(i) + "=" + seen.fields[i] + " ";
        return text + "messages=" + seen.messages
            + (seen.operation ? " operation=" + std::to_string(*seen.operation) : std::string())
            + " focus=" + seen.focus + " About windows=" + std::to_string(seen.aboutWindows)
            + (seen.aboutShown ? " shown" : " hidden");
    }

    // Rounded from a double made in two steps, the fifteenth digit may differ by one.
    static bool SameDecimal(const std::string& shown, const std::string& modelled, const Rational& exact)
    {
        const double value = exact.convert_to<double>();
        return shown.size() <= modelled.size() + 1
            && std::fabs(std::strtod(shown.c_str(), nullptr) - value) <= 5.3e-15 * std::fabs(value);
    }

    // Fifteen significant digits, whole numbers without a point, exponents as "E-05".
    static std::string DecimalText(const Rational& exact)
    {
        const double value = exact.convert_to<double>();
        char buffer[40];
        std::string text = value == std::trunc(value)
            ? std::to_string(static_cast<std::int64_t>(value))
            : std::string(buffer, std::to_chars(buffer, std::end(buffer), value, std::chars_format::general, 15).ptr);
        std::replace(text.begin(), text.end(), 'e', 'E');
        return text;
    }

    int draw(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    template <typename T> const T& pick(const std::vector<T>& from)
    {
        return from[static_cast<std::size_t>(draw(0, static_cast<int>(from.size()) - 1))];
    }

    // Mostly digits; now and then what a user types by mistake, or an input method composes.
    std::string typed(bool inputMethod)
    {
        static const std::vector<std::string> kKeys{"a", "x", "e", " ", "-", "+", ".", "/", ","};
        static const std::vector<std::string> kComposed{"１", "２", "三", "分", "之", "。", "x", "-"};
        std::string text;
        for (int n = draw(0, 3); n > 0; --n)
            text += draw(0, 9) < 7 ? std::to_string(draw(0, 9)) : pick(inputMethod ? kComposed : kKeys);
        return text;
    }

    // What a paste brings: digits, zeros, values near 2^53, long runs ("9*25"), signs, points, nothing.
    std::string pasted()
    {
        static const std::vector<std::string> kTexts{
            "", "0", "000", "1.5", "-3", "x", "１", "9007199254740992", "9007199254740993", "4503599627370496"};
        switch (draw(0, 3)) {
        case 0: return pick(kTexts);
        case 1: return std::to_string(draw(1, 9)) + "*" + std::to_string(draw(17, 40));
        default: return typed(false);
        }
    }

    static std::optional<std::size_t> FieldIndex(const std::string& name)
    {
        if (name[0] != 't')
            return std::nullopt;
        return static_cast<std::size_t>(std::stoi(name.substr(1)));
    }

    static bool ReadOnly(std::size_t index) { return ui::main_window::kFields[index].readOnly; }

    // The tab stop after a control, in the described order.
    static std::string NextTabStop(const std::string& from)
    {
        static const std::vector<std::string> kStops = TabOrder();
        const auto at = std::ranges::find(kStops, from);
        return at + 1 == kStops.end() ? kStops.front() : *(at + 1);
    }

    void moveFocus(const std::string& to, bool byTab = false)
    {
        if (const auto from = FieldIndex(focus_))
            fields_[*from].selectionKnown = fields_[*from].caret == fields_[*from].anchor;
        focus_ = to;
        if (const auto index = FieldIndex(to); index && byTab) // a field reached by Tab selects its whole text
            fields_[*index].anchor = 0, fields_[*index].caret = fields_[*index].text.size();
    }

    // A click at the field's right end, unless it has the focus; false where the model cannot
    // tell where the click would put the caret.
    bool focusField(std::size_t index)
    {
        Field& field = fields_[index];
        const std::string name = "t" + std::to_string(index);
        if (focus_ == name && !aboutActive_)
            return true;
        if (field.text.size() > 6) // the caret lands after the text only where it fits whole
            return false;
        aboutActive_ = false;
        moveFocus(name);
        field.caret = field.anchor = field.text.size();
        field.selectionKnown = true;
        return true;
    }

    void clearFields()
    {
        for (Field& field : fields_)
            field.write({});
        decimal_.reset();
        moveFocus("t1");
    }

    void evaluate()
    {
        static constexpr std::array<const char*, 5> kMessages{"请正确输入", "请选择计算种类", "分母不能为零",
                                                              "数值超出范围", "除数不能为零"};
        for (const std::size_t whole : {1, 4})
            if (fields_[whole].text.empty())
                fields_[whole].write("0");
        std::array<std::string, 6> texts;
        for (std::size_t i = 0; i < texts.size(); ++i)
            texts[i] = fields_[i + 1].text;
        const Expected expected = Expect(texts, static_cast<engine::Operation>(std::exchange(operation_, 0)));
        if (expected.problem) {
            messages_ = kMessages.at(static_cast<std::size_t>(*expected.problem));
            return;
        }
        std::size_t index = 1;
        for (const engine::MixedNumber& n : {expected.operandA, expected.operandB, expected.result})
            for (const std::int64_t value : {n.whole, n.denominator, n.numerator})
                fields_[index++].write(std::to_string(value));
        fields_[10].write(DecimalText(expected.r));
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
        const auto index = FieldIndex(focus_);
        Field* field = index ? &fields_[*index] : nullptr;
        if (key == "Tab")
            moveFocus(NextTabStop(focus_), true);
        else if (key == "Ctrl+N")
            clearFields();
        else if (key == "Escape" && inPage_)
            aboutShown_ = false;
        else if (!field && (key == "Return" || key == "Enter"))
            press(focus_);
        else if (field && key == "Home")
            field->caret = field->anchor = 0;
        else if (field && key == "Delete" && !ReadOnly(*index)) {
            if (field->caret == field->anchor && field->caret < field->text.size()) { // one character, in UTF-8
                const auto lead = static_cast<unsigned char>(field->text[field->caret]);
                field->caret += lead < 0x80 ? 1 : lead < 0xE0 ? 2 : 3;
            }
            field->replaceSelection({});
        }
    }

    // Typed by keys or by an input method: digits only, into a field that takes typing.
    std::string type(std::size_t index, bool inputMethod, const std::string& text)
    {
        if (!focusField(index))
            return {};
        for (const char c : text)
            if (!ReadOnly(index) && c >= '0' && c <= '9')
                fields_[index].replaceSelection(std::string(1, c));
        return (inputMethod ? "ime:" : "") + std::to_string(index) + ":" + text;
    }

    // Clicks on the About window: its background, its picture, each label.
    std::string clickAbout()
    {
        std::vector<std::pair<std::string_view, bool>> parts{{"Form2", true}, {ui::about_window::kPictureName, true}};
        for (const ui::Label& label : ui::about_window::kLabels)
            parts.emplace_back(label.name, label.clickHides);
        const auto& [name, hides] = pick(parts);
        aboutShown_ = aboutActive_ = !hides;
        return "about:" + std::string(name);
    }

    // A field's text, part or all of it, selected by a double-click or by Home then Shift+End,
    // and typed over, step by step: Home, maybe a digit so that only part is selected, Shift+End,
    // then the typing.
    enum class Planned { Home, Digit, ShiftEnd, TypeOver };

    std::string trySelecting()
    {
        if (planned_.empty())
            return planSelection();
        const Planned next = planned_.front();
        planned_.pop_front();
        const std::size_t index = *FieldIndex(focus_);
        Field& field = fields_[index];
        switch (next) {
        case Planned::Home: pressKey("Home"); return "key:Home";
        case Planned::Digit: return type(index, false, std::to_string(draw(0, 9)));
        case Planned::ShiftEnd: field.caret = field.text.size(); return "key:Shift+End";
        case Planned::TypeOver: break;
        }
        const bool inputMethod = draw(0, 3) == 0;
        std::string text;
        while (text.empty())
            text = typed(inputMethod);
        return type(index, inputMethod, text);
    }

    std::string planSelection()
    {
        if (FieldIndex(focus_) && !aboutActive_ && draw(0, 1) == 0) {
            planned_ = {Planned::Home, Planned::ShiftEnd, Planned::TypeOver};
            if (draw(0, 1) == 0)
                planned_.insert(planned_.begin() + 1, Planned::Digit);
            return trySelecting();
        }
        const auto index = static_cast<std::size_t>(draw(1, 10));
        Field& field = fields_[index];
        // A double-click selects a word: digits alone are one on every platform.
        if (!std::ranges::all_of(field.text, [](char c) { return c >= '0' && c <= '9'; }))
            return {};
        aboutActive_ = false;
        moveFocus("t" + std::to_string(index));
        field.anchor = 0, field.caret = field.text.size(), field.selectionKnown = true;
        planned_ = {Planned::TypeOver};
        return "select:" + std::to_string(index);
    }

    // A step the model can follow from here, or "" to draw again.
    std::string tryStep()
    {
        messages_.clear();
        if (!planned_.empty() || draw(0, 9) < 2)
            return trySelecting();
        const int kind = draw(0, 99);
        const auto index = static_cast<std::size_t>(draw(1, 10));
        Field& field = fields_[index];
        if (kind < 30) {
            const bool inputMethod = kind < 8;
            // Half the time a user fills in the first empty numerator or denominator.
            constexpr std::array<std::size_t, 4> kFractionFields{2, 3, 5, 6};
            const auto* empty = std::find_if(kFractionFields.begin(), kFractionFields.end(),
                                             [this](std::size_t i) { return fields_[i].text.empty(); });
            if (kind % 2 == 0 && empty != kFractionFields.end())
                return type(*empty, inputMethod, std::to_string(draw(1, 9)) + typed(inputMethod));
            return type(index, inputMethod, typed(inputMethod));
        }
        if (kind < 38) {
            const std::string text = pasted();
            // One platform offers no paste of nothing, another deletes the selection. A page pastes
            // only into the focused field: the driver lends it the focus, where the About window,
            // hiding, would give it back.
            if (!field.selectionKnown || (text.empty() && field.caret != field.anchor) || (inPage_ && aboutShown_))
                return {};
            const auto star = text.find('*');
            if (!ReadOnly(index))
                field.replaceSelection(
                    star == std::string::npos ? text : std::string(std::stoul(text.substr(star + 1)), text[0]));
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
            moveFocus(button);
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
    long seed_;
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
    bool inPage_;
    std::deque<Planned> planned_;
};

} // namespace support
