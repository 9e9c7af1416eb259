#pragma once

#include <windows.h>

namespace ui::win32 {

// Whether Windows' high contrast is on, when the windows leave out every picture drawn behind
// text and draw in the system colours alone.
bool HighContrastOn();

// The global atom that builds for the tests take as high contrast switched on.
inline constexpr PCWSTR kHighContrastTestAtom = L"VelmoCalc.HighContrast";

// Whether a message tells a top-level window that the colours it draws in may have changed.
constexpr bool ChangesColours(UINT message, WPARAM wParam)
{
    return message == WM_SYSCOLORCHANGE || (message == WM_SETTINGCHANGE && wParam == SPI_SETHIGHCONTRAST);
}

} // namespace ui::win32
