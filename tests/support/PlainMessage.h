#pragma once

#include "MainWindow.h"
#include "Product.h"

#include <string>
#include <vector>

namespace support {

// A message box's text as a driver reads it, marked when the box is not plain: the program's
// name for its title, one button "确定", no icon. A driver answers the box whatever it finds,
// so that a wrong box fails its check instead of staying open.
inline std::string PlainMessage(std::string text, const std::string& title, const std::vector<std::string>& buttons,
                                bool icon)
{
    const bool plain = title == ui::product::kName && !icon
        && buttons == std::vector<std::string>{std::string(ui::main_window::kMessageButton)};
    return plain ? text : text + " (not a plain message box)";
}

} // namespace support
