#pragma once

#include "WindowDescription.h"

#include <windows.h>

namespace ui::win32 {

// The main window's menu bar as ui/MainWindow.h describes it, each item showing its Ctrl+letter
// shortcut, and the accelerator table that makes those shortcuts work.
HMENU CreateMenuBar();
HACCEL CreateAccelerators();

// The command a menu item or an accelerator sends: none for any other identifier, such as the
// IDOK and IDCANCEL the dialog manager sends for Enter and Esc.
Command CommandOf(int id);

} // namespace ui::win32
