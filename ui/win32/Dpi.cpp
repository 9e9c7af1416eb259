#include "Dpi.h"

#include <cmath>

namespace ui::win32 {

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

GetDpiForWindowFunction LookUpGetDpiForWindow()
{
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    // Through the generic function type, which every function pointer converts from without a warning.
    return reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void (*)()>(found));
}

UINT ScreenDpi()
{
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

} // namespace

UINT WindowDpi(HWND window)
{
    static const GetDpiForWindowFunction getDpiForWindow = LookUpGetDpiForWindow();
    return window && getDpiForWindow ? getDpiForWindow(window) : ScreenDpi();
}

RECT ToPixelRect(const TwipsRect& rect, UINT dpi)
{
    const int scale = static_cast<int>(dpi);
    const int left = ToPixels(rect.left, scale), top = ToPixels(rect.top, scale);
    return {left, top, left + ToPixels(rect.width, scale), top + ToPixels(rect.height, scale)};
}

LONG FontHeight(const Font& font, UINT dpi)
{
    return -std::lround(font.points * dpi / 72.0);
}

} // namespace ui::win32
