#include "ScreenRect.h"

#include <algorithm>
#include <array>
#include <climits>
#include <utility>

namespace ui {

namespace {

// Where a box `size` long starts so that it lies within [low, high), as near `wanted` as it
// can; at `low` when it is longer than that.
int Within(int wanted, int size, int low, int high)
{
    return std::max(low, std::min(wanted, high - size));
}

int Overlap(const ScreenRect& a, const ScreenRect& b)
{
    const int width = std::min(a.right(), b.right()) - std::max(a.left, b.left);
    const int height = std::min(a.bottom(), b.bottom()) - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

} // namespace

// Each side moved into the work area; the first that covers least wins. A side with room
// covers nothing, so the right wins where it has room, else the left.
ScreenRect PlaceBeside(const ScreenRect& main, const ScreenRect& fields, int width, int height,
                       const ScreenRect& workArea)
{
    const int centred = main.left + (main.width - width) / 2;
    const std::array sides{
        ScreenRect{main.right(), main.top, width, height},
        ScreenRect{main.left - width, main.top, width, height},
        ScreenRect{centred, main.bottom(), width, height},
        ScreenRect{centred, main.top - height, width, height},
    };
    ScreenRect best;
    std::pair least{INT_MAX, INT_MAX};
    for (const ScreenRect& side : sides) {
        const ScreenRect moved{Within(side.left, width, workArea.left, workArea.right()),
                               Within(side.top, height, workArea.top, workArea.bottom()), width, height};
        if (const std::pair covered{Overlap(moved, fields), Overlap(moved, main)}; covered < least) {
            least = covered;
            best = moved;
        }
    }
    return best;
}

} // namespace ui
