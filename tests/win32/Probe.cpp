// Loaded into the calculator as a window-procedure hook, so that the driver can read what only
// the calculator's own process can: a control's font (a font handle means nothing in another
// process, and wine passes no WM_GETFONT between processes) and its tooltip.
#include "Probe.h"

#include <windows.h>

#include <commctrl.h>

#include <cwchar>
#include <string>

namespace {

std::wstring Describe(HWND control)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
    std::wstring tooltip(kProbeChars, L'\0');
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = tooltip.data();
    HWND tooltips = nullptr; // the calculator's own
    while ((tooltips = FindWindowExW(nullptr, tooltips, TOOLTIPS_CLASSW, nullptr))
           && GetWindowThreadProcessId(tooltips, nullptr) != GetCurrentThreadId()) { }
    SendMessageW(tooltips, TTM_GETTEXTW, kProbeChars, reinterpret_cast<LPARAM>(&tool));
    return std::wstring(font.lfFaceName) + L" " + std::to_wstring(font.lfHeight) + L" " + std::to_wstring(font.lfWeight)
        + L" " + std::to_wstring(font.lfCharSet) + L"\t" + tooltip.c_str();
}

} // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeHook(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == RegisterWindowMessageW(kProbeMessage)) {
        const HANDLE shared = OpenFileMappingW(FILE_MAP_WRITE, FALSE, kProbeMemory);
        auto* view = static_cast<wchar_t*>(MapViewOfFile(shared, FILE_MAP_WRITE, 0, 0, kProbeChars * sizeof(wchar_t)));
        std::wcsncpy(view, Describe(call->hwnd).c_str(), kProbeChars - 1);
        UnmapViewOfFile(view);
        CloseHandle(shared);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
