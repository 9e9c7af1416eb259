#pragma once

#include <windows.h>

#include <string_view>

namespace ui::win32 {

// A child window of a system class (EDIT, BUTTON, STATIC) with its text, of no size until its
// parent lays it out; hidden unless its style has WS_VISIBLE.
HWND CreateChild(HWND parent, PCWSTR windowClass, std::string_view text, DWORD style, DWORD exStyle = 0);

} // namespace ui::win32
