#pragma once

#include "BaseWindow.h"

#include <vector>

namespace ui::win32 {

// A child window that draws a bitmap unscaled from its top-left corner, clipped at its edges,
// with straight lines over it and under its child controls. It hands its children's
// notifications and every click on itself to its parent, as if the controls sat there.
class PictureBox : public BaseWindow<PictureBox> {
public:
    static constexpr PCWSTR kClassName = L"VelmoPictureBox";

    bool Create(HINSTANCE instance, HWND parent, HBITMAP bitmap, const RECT& rect);
    void SetLines(std::vector<POINT> endpoints); // pairs of points, in pixels

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint();

    HBITMAP bitmap_ = nullptr; // owned by the window that shows it
    std::vector<POINT> lines_;
};

} // namespace ui::win32
