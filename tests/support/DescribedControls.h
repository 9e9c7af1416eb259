#pragma once

#include "MainWindow.h"

#include <algorithm>
#include <string>
#include <vector>

// The main window's controls as the description lists them, for the window drivers to find.
namespace support {

inline std::vector<ui::Control> DescribedControls()
{
    namespace layout = ui::main_window;
    std::vector<ui::Control> controls(layout::kFields.begin(), layout::kFields.end());
    controls.insert(controls.end(), layout::kOperatorButtons.begin(), layout::kOperatorButtons.end());
    controls.insert(controls.end(), {layout::kEquals, layout::kNew});
    return controls;
}

// The controls Tab stops at, in the order it walks them.
inline std::vector<std::string> TabOrder()
{
    std::vector<ui::Control> controls = DescribedControls();
    std::ranges::stable_sort(controls, {}, &ui::Control::tabIndex);
    std::vector<std::string> order;
    for (const ui::Control& control : controls)
        if (control.tabStop)
            order.emplace_back(control.name);
    return order;
}

} // namespace support
