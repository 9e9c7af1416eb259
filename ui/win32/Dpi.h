#pragma once

#include "Twips.h"
#include "WindowDescription.h"

#include <windows.h>

namespace ui::win32 {

// The dots per inch a window is shown at. GetDpiForWindow (Windows 10) is looked up at run
// time; on Windows 7 and 8 the screen's one DPI holds for every window.
UINT WindowDpi(HWND window);

// A described rectangle in pixels at a DPI.
RECT ToPixelRect(const TwipsRect& rect, UINT dpi);

// A font's height in pixels at a DPI, as LOGFONT takes it (negative: the em height).
LONG FontHeight(const Font& font, UINT dpi);

} // namespace ui::win32
