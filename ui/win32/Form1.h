#pragma once

#include "Announcer.h"
#include "BaseWindow.h"
#include "Calculator.h"
#include "Evaluate.h"
#include "Form2.h"
#include "GdiObject.h"
#include "PictureBox.h"
#include "WindowDescription.h"
#include "WindowFieldSet.h"

#include <array>
#include <cstddef>
#include <utility>
#include <vector>

namespace ui::win32 {

// The main window as a native window, as ui/MainWindow.h describes it: real EDIT and BUTTON
// controls on Picture1, the menus with their Ctrl+N accelerator, tooltips over the fields.
// Its handlers pass every command to the window's Calculator.
class Form1 : public BaseWindow<Form1> {
public:
    static constexpr PCWSTR kClassName = L"VelmoForm1";

    explicit Form1(HINSTANCE instance);

    bool Create();
    // The keys the window takes before a control sees them: the accelerator, Enter on a focused
    // button, and what the dialog manager does (Tab and Shift+Tab). True when the message was
    // taken, and dispatched if it had to be.
    bool TranslateKeys(MSG& message);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDpiChanged(UINT dpi) override { LayOut(dpi); }
    void CreateControls();
    void CreateField(const Control& control, std::size_t index);
    void CreateTooltip();
    void LayOut(UINT dpi);
    void SetIcons(UINT dpi);
    HFONT FontFor(const Font& font, UINT dpi);
    void OnControl(HWND window);

    void Run(Command command);
    RECT FieldsOnScreen() const;
    void Evaluate();
    void ClearFields();
    void ShowExplanation();
    void ShowWholeText(std::size_t index);

    HINSTANCE instance_;
    Calculator calculator_;
    PictureBox picture1_;
    GdiObject<HBITMAP> background_;
    std::array<HWND, engine::field::kCount> t_{};
    std::vector<std::pair<const Control*, HWND>> controls_; // fields and buttons, in tab order
    std::vector<std::pair<Font, GdiObject<HFONT>>> fonts_;  // at the window's DPI
    std::array<GdiObject<HICON>, 2> icons_;                 // ICON_SMALL and ICON_BIG
    HWND tooltip_ = nullptr;
    GdiObject<HACCEL> accelerators_;
    HWND focus_ = nullptr; // given back when the window is activated again
    WindowFieldSet fields_;
    Announcer announcer_;
    Form2 form2_;
};

} // namespace ui::win32
