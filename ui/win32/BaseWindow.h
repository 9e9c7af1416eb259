#pragma once

#include "HighContrast.h"

#include <windows.h>

namespace ui::win32 {

// What a window procedure returns for a message it has taken care of.
inline constexpr LRESULT kHandled = 0;

// One C++ object per native window: the window procedure finds the object that created the
// window and forwards every message to its HandleMessage. Derived names its window class
// (kClassName) and may fill in the class's icon, cursor and background (ConfigureClass). A
// window moved to a screen of another DPI is laid out again (OnDpiChanged) and takes the frame
// Windows suggests for it there; one told of new colours or of high contrast is painted again.
template <class Derived> class BaseWindow {
public:
    BaseWindow() = default;
    BaseWindow(const BaseWindow&) = delete;
    BaseWindow& operator=(const BaseWindow&) = delete;
    virtual ~BaseWindow() = default;

    HWND Window() const { return hwnd_; }

protected:
    bool Create(HINSTANCE instance, PCWSTR title, DWORD style, DWORD exStyle, const RECT& frame, HWND parent,
                HMENU menu = nullptr)
    {
        Register(instance);
        const HWND window
            = CreateWindowExW(exStyle, Derived::kClassName, title, style, frame.left, frame.top,
                              frame.right - frame.left, frame.bottom - frame.top, parent, menu, instance, this);
        return window != nullptr;
    }

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    virtual void OnDpiChanged(UINT) { }

    static void ConfigureClass(WNDCLASSEXW&) { }

private:
    static void Register(HINSTANCE instance)
    {
        WNDCLASSEXW windowClass{};
        if (GetClassInfoExW(instance, Derived::kClassName, &windowClass))
            return;
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = Derived::kClassName;
        Derived::ConfigureClass(windowClass);
        RegisterClassExW(&windowClass);
    }

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        BaseWindow* self = nullptr;
        if (message == WM_NCCREATE) {
            self = static_cast<BaseWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
            self->hwnd_ = hwnd;
        } else {
            self = reinterpret_cast<BaseWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        }
        if (!self)
            return DefWindowProcW(hwnd, message, wParam, lParam);
        // Drawn in the colours of the moment, every part again.
        if (ChangesColours(message, wParam))
            RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        if (message == WM_DPICHANGED) {
            self->OnDpiChanged(HIWORD(wParam));
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                         suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
            return kHandled;
        }
        const LRESULT result = self->HandleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
        }
        return result;
    }

    HWND hwnd_ = nullptr;
};

} // namespace ui::win32
