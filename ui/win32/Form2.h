#pragma once

#include "BaseWindow.h"
#include "GdiObject.h"
#include "PictureBox.h"
#include "WindowDescription.h"

#include <utility>
#include <vector>

namespace ui::win32 {

// The About window as a native window, as ui/AboutWindow.h describes it: modeless, without
// owner, created on first use beside the main window and hidden by a click.
class Form2 : public BaseWindow<Form2> {
public:
    static constexpr PCWSTR kClassName = L"VelmoForm2";
    static void ConfigureClass(WNDCLASSEXW& windowClass);

    explicit Form2(HINSTANCE instance);

    // Shown where the user left it; the first time beside `mainWindow`, clear of its `fields`
    // (in screen pixels).
    void Show(HWND mainWindow, const RECT& fields);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDpiChanged(UINT dpi) override { LayOut(dpi); }
    void CreateControls();
    void LayOut(UINT dpi);
    void Hide();
    const Label* FindLabel(HWND control) const;
    LRESULT ColourLabel(HDC context, HWND control) const;

    HINSTANCE instance_;
    PictureBox picture1_;
    GdiObject<HBITMAP> picture_;
    GdiObject<HFONT> font_;
    std::vector<std::pair<const Label*, HWND>> labels_;
};

} // namespace ui::win32
