#include "PictureBox.h"

#include "Dpi.h"

#include <utility>

namespace ui::win32 {

bool PictureBox::Create(HINSTANCE instance, HWND parent, HBITMAP bitmap)
{
    bitmap_ = bitmap;
    return BaseWindow::Create(instance, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, {}, parent);
}

void PictureBox::LayOut(const RECT& rect, UINT dpi, std::vector<RECT> bars)
{
    dpi_ = dpi;
    bars_ = std::move(bars);
    MoveWindow(Window(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, FALSE);
    InvalidateRect(Window(), nullptr, FALSE);
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1; // the bitmap covers what it shows
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
    const HDC target = BeginPaint(Window(), &paint);
    DrawBitmap(target);
    for (const RECT& bar : bars_)
        FillRect(target, &bar, GetSysColorBrush(COLOR_WINDOWTEXT));
    EndPaint(Window(), &paint);
}

// At 96 DPI pixel for pixel; at any other, smoothed to the size the picture has there.
void PictureBox::DrawBitmap(HDC target) const
{
    const HDC source = CreateCompatibleDC(target);
    const HGDIOBJ previous = SelectObject(source, bitmap_);
    BITMAP size{};
    GetObjectW(bitmap_, sizeof(size), &size);
    if (dpi_ == kStandardDpi) {
        BitBlt(target, 0, 0, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
    } else {
        SetStretchBltMode(target, HALFTONE);
        StretchBlt(target, 0, 0, ScaleFromStandard(size.bmWidth, dpi_), ScaleFromStandard(size.bmHeight, dpi_), source,
                   0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    }
    SelectObject(source, previous);
    DeleteDC(source);
}

} // namespace ui::win32
