#pragma once

#include "BaseWindow.h"

#include <vector>

namespace ui::win32 {

// A child window covered by a bitmap drawn from its top-left corner, clipped at its edges, at the
// size it has at the window's DPI (unscaled at 96), with bars over it and under its child
// controls. It hands its children's notifications and every click on itself to its parent, as
// if the controls sat there.
class PictureBox : public BaseWindow<PictureBox> {
public:
    static constexpr PCWSTR kClassName = L"VelmoPictureBox";
    // A background lies behind text, and gives way to the window colour in high contrast; an
    // illustration lies beside it, and stays.
    enum class Kind { Background, Illustration };

    bool Create(HINSTANCE instance, HWND parent, HBITMAP bitmap, Kind kind);
    // Its place in the parent, the DPI it draws the bitmap at, and the bars, all in pixels.
    void LayOut(const RECT& rect, UINT dpi, std::vector<RECT> bars = {});

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint();
    void DrawBitmap(HDC target) const;

    HBITMAP bitmap_ = nullptr; // owned by the window that shows it
    Kind kind_ = Kind::Background;
    UINT dpi_ = 0;
    std::vector<RECT> bars_;
};

} // namespace ui::win32
