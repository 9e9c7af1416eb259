#pragma once

#include "Twips.h"

#include <span>
#include <string_view>

// The parts a window is described with. Texts are UTF-8; each front end renders them with
// its own toolkit and adds no geometry, caption or font of its own.
namespace ui {

struct Font {
    double points = 0;
    bool bold = false;

    friend constexpr bool operator==(const Font&, const Font&) = default;
};

// A text field or a button of the main window.
struct Control {
    std::string_view name; // t0..t10, js1..js4, dy, new
    std::string_view caption;
    TwipsRect rect; // on Picture1
    Font font;
    int tabIndex = 0;
    std::string_view accessibleName;
    bool tabStop = true;
    bool readOnly = false;
};

enum class Command { None, NewCalculation, Exit, About };

struct MenuItem {
    std::string_view name;
    std::string_view caption; // "-" is a separator
    char ctrlShortcut = '\0'; // the letter pressed with Ctrl, if any
    Command command = Command::None;

    constexpr bool isSeparator() const { return caption == "-"; }
};

struct Menu {
    std::string_view name;
    std::string_view caption;
    std::span<const MenuItem> items;
};

// The colours of an About label, from the user's colour scheme.
enum class Paper {
    CaptionText,      // the caption-text colour behind the default label text colour
    WindowBackground, // the window-background colour behind the window-text colour
};

struct Label {
    std::string_view name;
    std::string_view text;
    TwipsRect rect;
    bool clickHides = true;
    bool wraps = false;
    Paper paper = Paper::CaptionText;
};

} // namespace ui
