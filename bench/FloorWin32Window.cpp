// The floor for the Windows program's cold start: what a user sees of the main window, drawn
// as plainly as Win32 allows. The same controls with their captions at their places, the three
// 宋体 sizes, the menu, the background, the icon, the manifest and the version information (the
// program's own resources); no tooltip, labels for screen readers, key filter or handlers.
#include "MainWindow.h"
#include "Resources.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

namespace layout = ui::main_window;

std::wstring Widen(std::string_view text)
{
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                             wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

HBITMAP background = nullptr;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND) {
        const HDC source = CreateCompatibleDC(reinterpret_cast<HDC>(wParam));
        const HGDIOBJ previous = SelectObject(source, background);
        BitBlt(reinterpret_cast<HDC>(wParam), 0, 0, 246, 398, source, 0, 0, SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
        return 1;
    }
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

HFONT CreateSongti(const ui::Font& font)
{
    LOGFONTW description{};
    description.lfHeight = -MulDiv(static_cast<int>(font.points * 100), 96, 7200);
    description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    description.lfCharSet = GB2312_CHARSET;
    Widen(layout::kFontFamilies.front()).copy(description.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&description);
}

HMENU CreateMenuBar()
{
    const HMENU bar = CreateMenu();
    for (const ui::Menu& menu : layout::kMenus) {
        const HMENU popup = CreatePopupMenu();
        for (const ui::MenuItem& item : menu.items)
            AppendMenuW(popup, item.isSeparator() ? MF_SEPARATOR : MF_STRING, 1, Widen(item.caption).c_str());
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), Widen(menu.caption).c_str());
    }
    return bar;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    background = LoadBitmapW(instance, MAKEINTRESOURCEW(VELMO_BACKGROUND));
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(VELMO_ICON));
    windowClass.lpszClassName = L"VelmoFloorWindow";
    RegisterClassExW(&windowClass);
    RECT frame{0, 0, ui::ToPixels(layout::kClientArea.width), ui::ToPixels(layout::kClientArea.height)};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, TRUE, 0);
    const HWND window = CreateWindowExW(0, L"VelmoFloorWindow", Widen(layout::kCaption).c_str(), WS_OVERLAPPEDWINDOW,
                                        CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                                        frame.bottom - frame.top, nullptr, CreateMenuBar(), instance, nullptr);
    std::vector<ui::Control> controls(layout::kFields.begin(), layout::kFields.end());
    controls.insert(controls.end(), layout::kOperatorButtons.begin(), layout::kOperatorButtons.end());
    controls.insert(controls.end(), {layout::kEquals, layout::kNew});
    const HFONT fonts[]
        = {CreateSongti(layout::kFieldFont), CreateSongti(layout::kOperatorFont), CreateSongti(layout::kEquals.font)};
    for (const ui::Control& control : controls) {
        const bool field = control.name.front() == 't';
        const HWND child = CreateWindowExW(
            field ? WS_EX_CLIENTEDGE : 0, field ? L"EDIT" : L"BUTTON", Widen(control.caption).c_str(),
            WS_CHILD | WS_VISIBLE, ui::ToPixels(control.rect.left), ui::ToPixels(control.rect.top),
            ui::ToPixels(control.rect.width), ui::ToPixels(control.rect.height), window, nullptr, instance, nullptr);
        const HFONT font = control.font.points == layout::kFieldFont.points ? fonts[0]
            : control.font.points == layout::kOperatorFont.points           ? fonts[1]
                                                                            : fonts[2];
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
