#include "Dpi.h"

#include "DeviceContext.h"
#include "RunTimeLink.h"

#include <algorithm>
#include <cmath>

namespace ui::win32 {

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

UINT ScreenDpi()
{
    const DeviceContext screen(HWND{});
    return static_cast<UINT>(GetDeviceCaps(screen.get(), LOGPIXELSY));
}

} // namespace

UINT WindowDpi(HWND window)
{
    static const auto getDpiForWindow
        = LookUp<GetDpiForWindowFunction>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    return getDpiForWindow ? getDpiForWindow(window) : ScreenDpi();
}

RECT ToPixelRect(const TwipsRect& rect, UINT dpi)
{
    const int scale = static_cast<int>(dpi);
    const int left = ToPixels(rect.left, scale), top = ToPixels(rect.top, scale);
    return {left, top, left + ToPixels(rect.width, scale), top + ToPixels(rect.height, scale)};
}

RECT ToPixelBar(const TwipsLine& line, UINT dpi)
{
    const int scale = static_cast<int>(dpi);
    const int top = ToPixels(line.y1, scale);
    return {ToPixels(line.x1, scale), top, ToPixels(line.x2, scale) + 1, top + std::max(1, ScaleFromStandard(1, dpi))};
}

int ScaleFromStandard(int pixels, UINT dpi)
{
    return MulDiv(pixels, static_cast<int>(dpi), kStandardDpi);
}

LONG FontHeight(const Font& font, UINT dpi)
{
    return -std::lround(font.points * dpi / 72.0);
}

// Both at the system DPI, which every process aware of DPI is given, scaled from there.
LOGFONTW MessageFont(UINT dpi)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, UINT{}); // nothing to store
    metrics.lfMessageFont.lfHeight
        = MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi), static_cast<int>(ScreenDpi()));
    return metrics.lfMessageFont;
}

RECT WorkArea(HWND window)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

int SystemMetric(int index, UINT dpi)
{
    return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(ScreenDpi()));
}

} // namespace ui::win32
