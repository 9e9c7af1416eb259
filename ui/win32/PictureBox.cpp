#include "PictureBox.h"

#include "DeviceContext.h"
#include "Dpi.h"
#include "HighContrast.h"

#include <utility>

namespace ui::win32 {

bool PictureBox::Create(HINSTANCE instance, HWND parent, HBITMAP bitmap, Kind kind)
{
    bitmap_ = bitmap;
    kind_ = kind;
    return BaseWindow::Create(instance, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, {}, parent);
}

void PictureBox::LayOut(const RECT& rect, UINT dpi, std::vector<RECT> bars)
{
    dpi_ = dpi;
    bars_ = std::move(bars);
    MoveWindow(Window(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: Paint(); return kHandled;
    case WM_ERASEBKGND: return TRUE; // erased: the bitmap covers what it shows
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return SendMessageW(GetParent(Window()), message, wParam, lParam);
    default: return DefWindowProcW(Window(), message, wParam, lParam);
    }
}

void PictureBox::Paint()
{
    PAINTSTRUCT paint;
    const DeviceContext target(Window(), paint);
    if (kind_ == Kind::Background && HighContrastOn())
        FillRect(target.get(), &paint.rcPaint, GetSysColorBrush(COLOR_WINDOW));
    else
        DrawBitmap(target.get());
    for (const RECT& bar : bars_)
        FillRect(target.get(), &bar, GetSysColorBrush(COLOR_WINDOWTEXT));
}

// At 96 DPI pixel for pixel; at any other, smoothed to the size the picture has there.
void PictureBox::DrawBitmap(HDC target) const
{
    DeviceContext source(target);
    source.Select(bitmap_);
    BITMAP size{};
    GetObjectW(bitmap_, sizeof(size), &size);
    if (dpi_ == kStandardDpi) {
        BitBlt(target, 0, 0, size.bmWidth, size.bmHeight, source.get(), 0, 0, SRCCOPY);
    } else {
        SetStretchBltMode(target, HALFTONE);
        StretchBlt(target, 0, 0, ScaleFromStandard(size.bmWidth, dpi_), ScaleFromStandard(size.bmHeight, dpi_),
                   source.get(), 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    }
}

} // namespace ui::win32
