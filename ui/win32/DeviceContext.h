#pragma once

#include <windows.h>

namespace ui::win32 {

// A device context, given back when it goes with whatever was selected into it restored: a
// window's client area, a window being painted, or one in memory like another.
class DeviceContext {
public:
    explicit DeviceContext(HWND window)
        : window_(window)
        , dc_(GetDC(window))
        , release_(Release::Window)
    {
    }
    DeviceContext(HWND window, PAINTSTRUCT& paint)
        : window_(window)
        , paint_(&paint)
        , dc_(BeginPaint(window, &paint))
        , release_(Release::Paint)
    {
    }
    explicit DeviceContext(HDC like)
        : dc_(CreateCompatibleDC(like))
        , release_(Release::Memory)
    {
    }
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;
    ~DeviceContext()
    {
        if (original_)
            SelectObject(dc_, original_);
        switch (release_) {
        case Release::Window: ReleaseDC(window_, dc_); break;
        case Release::Paint: EndPaint(window_, paint_); break;
        case Release::Memory: DeleteDC(dc_); break;
        }
    }

    HDC get() const { return dc_; }
    // Selects a font or a bitmap into the context until it goes, when the context's own is put back.
    void Select(HGDIOBJ object)
    {
        const HGDIOBJ previous = SelectObject(dc_, object);
        if (!original_)
            original_ = previous;
    }

private:
    enum class Release { Window, Paint, Memory };

    HWND window_ = nullptr;
    PAINTSTRUCT* paint_ = nullptr;
    HDC dc_;
    Release release_;
    HGDIOBJ original_ = nullptr;
};

} // namespace ui::win32
