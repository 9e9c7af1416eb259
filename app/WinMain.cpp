#include "Form1.h"

#include <commctrl.h>
#include <windows.h>

#include <cstdlib>

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int nShowCmd)
{
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    ui::win32::Form1 form1(hInstance);
    if (!form1.Create())
        return EXIT_FAILURE;
    ShowWindow(form1.Window(), nShowCmd);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (form1.TranslateKeys(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
