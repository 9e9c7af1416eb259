#pragma once

#include "Twips.h"
#include "WindowDescription.h"

#include <windows.h>

namespace ui::win32 {

// The dots per inch a window is shown at. Windows 10's GetDpiForWindow is looked up at run
// time; on Windows 7 and 8 the screen's one DPI holds for every window.
UINT WindowDpi(HWND window);

// A described rectangle in pixels at a DPI.
RECT ToPixelRect(const TwipsRect& rect, UINT dpi);

// A described horizontal bar as the rectangle it fills at a DPI: from the row of its twips down,
// about a pixel thick for every 96 DPI, its ends included.
RECT ToPixelBar(const TwipsLine& line, UINT dpi);

// A length of pixels at 96 DPI, at another DPI.
int ScaleFromStandard(int pixels, UINT dpi);

// A font's height in pixels at a DPI, as LOGFONT takes it (negative: the em height).
LONG FontHeight(const Font& font, UINT dpi);

// The platform's default font, the one message boxes use, at a DPI.
LOGFONTW MessageFont(UINT dpi);

// The work area of the screen a window is on, in screen pixels.
RECT WorkArea(HWND window);

// A system metric (SM_CXICON...) at a DPI.
int SystemMetric(int index, UINT dpi);

} // namespace ui::win32
