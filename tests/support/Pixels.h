#pragma once

#include <cmath>

namespace support {

// Twips at a screen's dots per inch, to the nearest pixel, worked out here apart from the
// conversion the front ends use: an inch is 1440 twips.
inline int Pixels(int twips, int dpi = 96)
{
    return static_cast<int>(std::lround(twips / 1440.0 * dpi));
}

} // namespace support
