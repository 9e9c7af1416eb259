#pragma once

#include "WindowDescription.h"

#include <QFont>
#include <QLine>
#include <QRect>
#include <QString>
#include <QStringList>

#include <span>
#include <string_view>

// The window descriptions in Qt's terms. Qt scales logical pixels to the screen itself, so
// twips become pixels at the standard 96 dots per inch.
namespace ui {

inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr QRect ToQRect(const TwipsRect& rect)
{
    return {ToPixels(rect.left), ToPixels(rect.top), ToPixels(rect.width), ToPixels(rect.height)};
}

constexpr QLine ToQLine(const TwipsLine& line)
{
    return {ToPixels(line.x1), ToPixels(line.y1), ToPixels(line.x2), ToPixels(line.y2)};
}

// The first of the families that is installed, at the given size and weight.
inline QFont ToQFont(std::span<const std::string_view> families, qreal points, bool bold)
{
    QFont font;
    QStringList names;
    for (std::string_view family : families)
        names << ToQString(family);
    font.setFamilies(names);
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

} // namespace ui
