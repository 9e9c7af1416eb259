#pragma once

namespace ui {

// A window's frame or a screen's work area, in the front end's pixels.
struct ScreenRect {
    int left = 0, top = 0, width = 0, height = 0;

    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
    constexpr bool operator==(const ScreenRect&) const = default;
};

// Where the About window opens, `width` by `height` with its frame: beside the main window's
// frame, to its right where the work area has room, else to its left; else wherever within the
// work area it covers least of `fields` (the main window's fields), then of the main window.
// Its top is the main window's, as far as the work area allows.
ScreenRect PlaceBeside(const ScreenRect& main, const ScreenRect& fields, int width, int height,
                       const ScreenRect& workArea);

} // namespace ui
