// The yardstick for the Windows program's cold start: a bare Win32 window with the same
// controls (eleven EDIT fields, six buttons, two menus), no fonts, pictures or handlers.
#include <windows.h>

#include <initializer_list>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_DESTROY)
            PostQuitMessage(0);
        return DefWindowProcW(window, message, wParam, lParam);
    };
    windowClass.hInstance = instance;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"VelmoBareWindow";
    RegisterClassExW(&windowClass);
    const HMENU menu = CreateMenu();
    for (PCWSTR caption : {L"A", L"B"}) {
        const HMENU popup = CreatePopupMenu();
        AppendMenuW(popup, MF_STRING, 1, caption);
        AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), caption);
    }
    const HWND window = CreateWindowExW(0, L"VelmoBareWindow", L"bare window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                        CW_USEDEFAULT, 200, 430, nullptr, menu, instance, nullptr);
    for (int i = 0; i < 11; ++i)
        CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 8, 8 + 30 * i, 81, 25, window, nullptr,
                        instance, nullptr);
    for (int i = 0; i < 6; ++i)
        CreateWindowExW(0, L"BUTTON", L"+", WS_CHILD | WS_VISIBLE, 100, 8 + 40 * i, 33, 33, window, nullptr, instance,
                        nullptr);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
