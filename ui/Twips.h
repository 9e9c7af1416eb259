#pragma once

namespace ui {

// Window geometry as the design gives it: twips (1/1440 inch) from the top-left corner of
// the client area or of the containing control.
struct TwipsRect {
    int left = 0, top = 0, width = 0, height = 0;
};

struct TwipsLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kStandardDpi = 96;

// Twips to pixels at a screen's dots per inch, rounded to the nearest: 15 twips to a pixel at 96.
constexpr int ToPixels(int twips, int dpi = kStandardDpi)
{
    return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch;
}

} // namespace ui
