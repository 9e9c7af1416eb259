#include "PictureBox.h"

#include "GdiObject.h"

#include <utility>

namespace ui::win32 {

bool PictureBox::Create(HINSTANCE instance, HWND parent, HBITMAP bitmap, const RECT& rect)
{
    bitmap_ = bitmap;
    return BaseWindow::Create(instance, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, rect,
                              parent);
}

void PictureBox::SetLines(std::vector<POINT> endpoints)
{
    lines_ = std::move(endpoints);
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
    RECT client;
    GetClientRect(Window(), &client);
    FillRect(target, &client, GetSysColorBrush(COLOR_BTNFACE));
    if (bitmap_) {
        const HDC source = CreateCompatibleDC(target);
        const HGDIOBJ previous = SelectObject(source, bitmap_);
        BITMAP size{};
        GetObjectW(bitmap_, sizeof(size), &size);
        BitBlt(target, 0, 0, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
    }
    const GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOWTEXT)));
    const HGDIOBJ previousPen = SelectObject(target, pen.get());
    for (std::size_t i = 0; i + 1 < lines_.size(); i += 2) {
        MoveToEx(target, lines_[i].x, lines_[i].y, nullptr);
        // LineTo leaves out the last pixel, which the bar includes.
        LineTo(target, lines_[i + 1].x + 1, lines_[i + 1].y);
    }
    SelectObject(target, previousPen);
    EndPaint(Window(), &paint);
}

} // namespace ui::win32
