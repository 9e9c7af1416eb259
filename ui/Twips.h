#pragma once

#include <QLine>
#include <QRect>

namespace ui {

// Window geometry is laid out in twips: 15 twips to a logical pixel, rounded to the nearest.
constexpr int Px(int twips)
{
    return (twips + 7) / 15;
}

constexpr QRect TwipsRect(int left, int top, int width, int height)
{
    return {Px(left), Px(top), Px(width), Px(height)};
}

constexpr QLine TwipsLine(int x1, int y1, int x2, int y2)
{
    return {Px(x1), Px(y1), Px(x2), Px(y2)};
}

} // namespace ui
