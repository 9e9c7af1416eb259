#include "Form2.h"

#include "AboutWindow.h"
#include "ChildWindow.h"
#include "Dpi.h"
#include "HighContrast.h"
#include "Resources.h"
#include "ScreenRect.h"
#include "WideText.h"

#include <utility>

namespace ui::win32 {

namespace {

namespace layout = about_window;

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
// A dialog frame draws no icon in the caption.
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

ScreenRect OnScreen(const RECT& rect)
{
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// The frame at a DPI, beside the main window within the work area of the main window's screen.
RECT FrameBeside(HWND mainWindow, const RECT& fields, UINT dpi)
{
    RECT frame = ToPixelRect(layout::kClientArea, dpi);
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    RECT main;
    GetWindowRect(mainWindow, &main);
    const ScreenRect placed = PlaceBeside(OnScreen(main), OnScreen(fields), frame.right - frame.left,
                                          frame.bottom - frame.top, OnScreen(WorkArea(mainWindow)));
    return {placed.left, placed.top, placed.right(), placed.bottom()};
}

} // namespace

// The caption-text colour is black on Windows 8 and later and in wine's scheme, where the
// labels' text would vanish into it: the window and its labels take the window colour, the same
// white in the standard scheme.
void Form2::ConfigureClass(WNDCLASSEXW& windowClass)
{
    windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
}

Form2::Form2(HINSTANCE instance)
    : instance_(instance)
{
}

void Form2::Show(HWND mainWindow, const RECT& fields)
{
    if (!Window())
        Create(instance_, Widen(layout::kCaption).c_str(), kStyle, kExStyle,
               FrameBeside(mainWindow, fields, WindowDpi(mainWindow)), nullptr);
    // In front and active, also when it was open behind another window.
    ShowWindow(Window(), SW_SHOW);
    SetForegroundWindow(Window());
}

void Form2::Hide()
{
    ShowWindow(Window(), SW_HIDE);
}

void Form2::CreateControls()
{
    picture_ = GdiObject<HBITMAP>(static_cast<HBITMAP>(
        LoadImageW(instance_, MAKEINTRESOURCEW(VELMO_ABOUT_PICTURE), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    picture1_.Create(instance_, Window(), picture_.get(), PictureBox::Kind::Illustration);
    for (const Label& label : layout::kLabels) {
        // Every label reports its clicks, so that one that keeps the window open takes them.
        const DWORD wrap = label.wraps ? SS_LEFT : SS_LEFTNOWORDWRAP;
        labels_.emplace_back(&label,
                             CreateChild(Window(), L"STATIC", label.text, WS_VISIBLE | SS_NOTIFY | SS_NOPREFIX | wrap));
    }
    LayOut(WindowDpi(Window()));
}

// The picture, the labels and their font at a DPI; the font they had goes once each has the new one.
void Form2::LayOut(UINT dpi)
{
    picture1_.LayOut(ToPixelRect(layout::kPicture, dpi), dpi);
    const LOGFONTW message = MessageFont(dpi);
    GdiObject<HFONT> font(CreateFontIndirectW(&message));
    for (const auto& [label, control] : labels_) {
        const RECT rect = ToPixelRect(label->rect, dpi);
        MoveWindow(control, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    }
    font_ = std::move(font);
}

const Label* Form2::FindLabel(HWND control) const
{
    for (const auto& [label, window] : labels_) {
        if (window == control)
            return label;
    }
    return nullptr;
}

LRESULT Form2::ColourLabel(HDC context, HWND control) const
{
    // High contrast draws every text in the one pair of colours the user chose.
    const Label* label = FindLabel(control);
    const bool windowText = (label && label->paper == Paper::WindowBackground) || HighContrastOn();
    SetTextColor(context, GetSysColor(windowText ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
    SetBkColor(context, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

LRESULT Form2::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: CreateControls(); return kHandled;
    case WM_CTLCOLORSTATIC: return ColourLabel(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_COMMAND:
        if (HIWORD(wParam) == STN_CLICKED) {
            const Label* label = FindLabel(reinterpret_cast<HWND>(lParam));
            if (label && label->clickHides)
                Hide();
        }
        return kHandled;
    // A click on the window's own background hides it, and so does its close box: "关于" shows it again.
    case WM_LBUTTONDOWN:
    case WM_CLOSE: Hide(); return kHandled;
    default: return DefWindowProcW(Window(), message, wParam, lParam);
    }
}

} // namespace ui::win32
