#include "Form2.h"

#include "AboutWindow.h"
#include "Dpi.h"
#include "Resources.h"
#include "WideText.h"

namespace ui::win32 {

namespace {

namespace layout = about_window;

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
// A dialog frame draws no icon in the caption.
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

RECT CentredFrame(const RECT& client)
{
    RECT frame = client;
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    const int left = (work.left + work.right - width) / 2, top = (work.top + work.bottom - height) / 2;
    return {left, top, left + width, top + height};
}

// The platform's default font: the one message boxes use.
HFONT CreateDefaultFont()
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

} // namespace

void Form2::ConfigureClass(WNDCLASSEXW& windowClass)
{
    windowClass.hbrBackground = GetSysColorBrush(COLOR_CAPTIONTEXT);
}

Form2::Form2(HINSTANCE instance)
    : instance_(instance)
{
}

void Form2::Show()
{
    if (!Window()) {
        const UINT dpi = WindowDpi(nullptr);
        Create(instance_, Widen(layout::kCaption).c_str(), kStyle, kExStyle,
               CentredFrame(ToPixelRect(layout::kClientArea, dpi)), nullptr);
    }
    ShowWindow(Window(), SW_SHOW);
    SetForegroundWindow(Window());
}

void Form2::Destroy()
{
    if (Window())
        DestroyWindow(Window());
}

void Form2::Hide()
{
    ShowWindow(Window(), SW_HIDE);
}

void Form2::CreateControls()
{
    const UINT dpi = WindowDpi(Window());
    picture_ = GdiObject<HBITMAP>(static_cast<HBITMAP>(
        LoadImageW(instance_, MAKEINTRESOURCEW(VELMO_ABOUT_PICTURE), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    picture1_.Create(instance_, Window(), picture_.get(), ToPixelRect(layout::kPicture, dpi));
    font_ = GdiObject<HFONT>(CreateDefaultFont());
    for (const Label& label : layout::kLabels) {
        const RECT rect = ToPixelRect(label.rect, dpi);
        // Every label reports its clicks, so that one that keeps the window open takes them.
        const DWORD wrap = label.wraps ? SS_LEFT : SS_LEFTNOWORDWRAP;
        const HWND control = CreateWindowExW(
            0, L"STATIC", Widen(label.text).c_str(), WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_NOPREFIX | wrap, rect.left,
            rect.top, rect.right - rect.left, rect.bottom - rect.top, Window(), nullptr, instance_, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        labels_.emplace_back(&label, control);
    }
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
    const Label* label = FindLabel(control);
    const bool onWindowColour = label && label->paper == Paper::WindowBackground;
    const int paper = onWindowColour ? COLOR_WINDOW : COLOR_CAPTIONTEXT;
    SetTextColor(context, GetSysColor(onWindowColour ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
    SetBkColor(context, GetSysColor(paper));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(paper));
}

LRESULT Form2::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: CreateControls(); return 0;
    case WM_CTLCOLORSTATIC: return ColourLabel(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_COMMAND:
        if (HIWORD(wParam) == STN_CLICKED) {
            const Label* label = FindLabel(reinterpret_cast<HWND>(lParam));
            if (label && label->clickHides)
                Hide();
        }
        return 0;
    // A click on the window's own background hides it, and so does its close box: "关于" shows it again.
    case WM_LBUTTONDOWN:
    case WM_CLOSE: Hide(); return 0;
    default: return DefWindowProcW(Window(), message, wParam, lParam);
    }
}

} // namespace ui::win32
