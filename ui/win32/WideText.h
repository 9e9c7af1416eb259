#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// The descriptions and the engine speak UTF-8; the window system speaks UTF-16.
namespace ui::win32 {

std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);

// The whole text of a window, as UTF-8.
std::string WindowText(HWND window);

} // namespace ui::win32
